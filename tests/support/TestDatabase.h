#pragma once
#include "common/ConnectionSettings.h"
#include "common/StoreConnection.h"

#include <QString>

namespace kav::test {

// A fresh, empty database on the test server, dropped again at the end.
// The server is the one scripts/test.sh starts (KAVELLO_TEST_DB_*).
class TestDatabase {
public:
    TestDatabase();
    ~TestDatabase();

    const ConnectionSettings& settings() const { return settings_; }
    // Settings that reach no server (a closed port on this machine).
    static ConnectionSettings unreachable();

    // A connection of the test's own for preparing and checking rows.
    StoreConnection& admin() { return admin_; }
    void exec(const QString& sql, const QStringList& values = {});
    // First column of the first row, or empty.
    QString scalar(const QString& sql, const QStringList& values = {});
    void createSchema();  // the shop's eight tables
    // Adds an account the way registration and setup do.
    void addAccount(const QString& name, const QString& password, const QString& securityPassword, int level = 5,
                    int buyingFlag = 2, const QString& address = QStringLiteral("10.0.0.1"));

private:
    ConnectionSettings settings_;
    StoreConnection admin_;
};

}  // namespace kav::test
