#pragma once
#include <QString>

namespace kav {
// Where the shared database lives, as kept in connfig.mdb (table mysql, row ID 1).
struct ConnectionSettings {
    QString ip;
    QString username;
    QString pass;
    QString mysqlname;
    int port = 0;

    bool operator==(const ConnectionSettings&) const = default;
};
}  // namespace kav
