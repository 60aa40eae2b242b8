#include "SchemaSetup.h"

#include "Schema.h"
#include "StoreConnection.h"

namespace kav::schema {

std::optional<std::vector<TableState>> inspect(StoreConnection& connection)
{
    auto listed = connection.query(Statement("SHOW TABLES"));
    if (!listed)
        return std::nullopt;
    QStringList present;
    const QString column = listed->columns().value(0);
    rowWalk(*listed, [&](const StoreResult& row) {
        QString name;
        row.readField(column, name);
        present << name;
    });
    std::vector<TableState> states;
    for (const auto& statement : createStatements()) {
        TableState s{QString::fromLatin1(statement.table)};
        s.exists = present.contains(s.table);
        if (s.exists) {
            auto rows = connection.query(Statement(QStringLiteral("SELECT 1 FROM `%1` LIMIT 1").arg(s.table)));
            if (!rows)
                return std::nullopt;
            s.hasRows = rows->rowCount() > 0;
        }
        states.push_back(s);
    }
    return states;
}

QStringList tablesWithRows(const std::vector<TableState>& states)
{
    QStringList names;
    for (const auto& s : states)
        if (s.hasRows)
            names << s.table;
    return names;
}

bool dropTables(StoreConnection& connection, const QStringList& tables)
{
    if (tables.isEmpty())
        return true;
    QStringList quoted;
    for (const QString& t : tables)
        quoted << QLatin1Char('`') + t + QLatin1Char('`');
    return connection.execute(Statement(QStringLiteral("DROP TABLE %1;").arg(quoted.join(QStringLiteral(", ")))));
}

bool createTable(StoreConnection& connection, int index)
{
    return connection.execute(Statement(createStatements().at(static_cast<size_t>(index)).text()));
}

void addDefaultContactIfEmpty(StoreConnection& connection)
{
    const auto rows = connection.query(Statement("SELECT 1 FROM `qq` LIMIT 1"));
    if (rows && rows->rowCount() == 0)
        connection.execute(Statement(kDefaultContactRow));
}

CreateReport createMissingTables(StoreConnection& connection)
{
    CreateReport report;
    const auto states = inspect(connection);
    if (!states) {
        report.failed = QStringLiteral("(the database could not be inspected)");
        return report;
    }
    for (size_t i = 0; i < states->size(); ++i) {
        const TableState& s = (*states)[i];
        if (s.exists)
            continue;
        if (!createTable(connection, static_cast<int>(i))) {
            report.failed = s.table;
            return report;
        }
        report.created << s.table;
    }
    addDefaultContactIfEmpty(connection);
    return report;
}

}  // namespace kav::schema
