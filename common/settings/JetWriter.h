#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <variant>
#include <vector>

namespace kav::jet {

// A small writer of Access (Jet 4.0) database files: one user table of long
// integer and text columns, all rows on one data page, plus the catalog that
// names it. Enough for the
// settings file; Access, mdbtools and libmdb read what it writes.
struct Column {
    enum class Type { Long, Integer, Text, LongBinary };
    QString name;
    Type type = Type::Text;
    int maxChars = 255;  // text columns
};

using Value = std::variant<std::monostate, qint32, QString, QByteArray>;  // monostate: NULL
using Row = std::vector<Value>;

struct Table {
    QString name;
    std::vector<Column> columns;
    std::vector<Row> rows;
};

// The whole file as bytes; empty when the table does not fit the layout
// (too many columns or rows larger than one page).
QByteArray buildDatabase(const Table& table);

}  // namespace kav::jet
