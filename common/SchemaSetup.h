#pragma once
#include <QStringList>
#include <optional>
#include <vector>

namespace kav {
class StoreConnection;

// Creating the shop's tables on a database: shared by the console's import
// window and the settings tool's headless set-up.
namespace schema {

struct TableState {
    QString table;
    bool exists = false;
    bool hasRows = false;
};

// The eight tables in creation order with whether each exists and holds
// rows; nullopt when the database cannot be inspected.
std::optional<std::vector<TableState>> inspect(StoreConnection& connection);
QStringList tablesWithRows(const std::vector<TableState>& states);

// One DROP TABLE naming the given tables (nothing sent for none).
bool dropTables(StoreConnection& connection, const QStringList& tables);
// The CREATE statement of the table at that position (0 to 7).
bool createTable(StoreConnection& connection, int index);
// The default contact row, when `qq` holds no row yet.
void addDefaultContactIfEmpty(StoreConnection& connection);

// Creates the missing tables, never dropping anything, and the default
// contact row when `qq` is empty. The names created, or the name of the
// table that failed.
struct CreateReport {
    QStringList created;
    QString failed;
    bool ok() const { return failed.isEmpty(); }
};
CreateReport createMissingTables(StoreConnection& connection);

}  // namespace schema
}  // namespace kav
