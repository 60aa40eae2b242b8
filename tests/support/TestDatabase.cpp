#include "TestDatabase.h"

#include "common/Credentials.h"
#include "common/Schema.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace kav::test {
namespace {
ConnectionSettings serverSettings()
{
    ConnectionSettings s;
    s.ip = qEnvironmentVariable("KAVELLO_TEST_DB_HOST", QStringLiteral("127.0.0.1"));
    s.port = qEnvironmentVariableIntValue("KAVELLO_TEST_DB_PORT");
    if (s.port == 0)
        s.port = 3317;
    s.username = qEnvironmentVariable("KAVELLO_TEST_DB_USER", QStringLiteral("root"));
    s.pass = qEnvironmentVariable("KAVELLO_TEST_DB_PASS", QStringLiteral("kavello-test"));
    return s;
}
int counter = 0;
}  // namespace

TestDatabase::TestDatabase()
{
    settings_ = serverSettings();
    StoreConnection root;
    if (!root.connect(settings_)) {
        ADD_FAILURE() << "test database server not reachable: " << root.lastError().toStdString()
                      << " (run the tests through scripts/test.sh)";
        return;
    }
    const QString name = QStringLiteral("kt_%1_%2").arg(QCoreApplication::applicationPid()).arg(++counter);
    root.execute(Statement(QStringLiteral("DROP DATABASE IF EXISTS `%1`").arg(name)));
    if (!root.execute(Statement(QStringLiteral("CREATE DATABASE `%1`").arg(name))))
        ADD_FAILURE() << "cannot create test database: " << root.lastError().toStdString();
    settings_.mysqlname = name;
    if (!admin_.connect(settings_))
        ADD_FAILURE() << "cannot connect to test database: " << admin_.lastError().toStdString();
}

TestDatabase::~TestDatabase()
{
    if (admin_.isOpen())
        admin_.execute(Statement(QStringLiteral("DROP DATABASE `%1`").arg(settings_.mysqlname)));
}

ConnectionSettings TestDatabase::unreachable()
{
    ConnectionSettings s = serverSettings();
    s.port = 9;  // discard port: nothing listens there
    s.mysqlname = QStringLiteral("nothing");
    return s;
}

void TestDatabase::exec(const QString& sql, const QStringList& values)
{
    if (!admin_.execute(Statement(sql, values)))
        ADD_FAILURE() << "statement failed: " << sql.toStdString() << ": " << admin_.lastError().toStdString();
}

QString TestDatabase::scalar(const QString& sql, const QStringList& values)
{
    auto result = admin_.query(Statement(sql, values));
    if (!result) {
        ADD_FAILURE() << "query failed: " << sql.toStdString() << ": " << admin_.lastError().toStdString();
        return {};
    }
    if (result->rowCount() == 0)
        return {};
    QString value;
    result->readField(result->columns().value(0), value);
    return value;
}

void TestDatabase::createSchema()
{
    for (const auto& table : schema::createStatements())
        exec(table.text());
}

void TestDatabase::addAccount(const QString& name, const QString& password, const QString& securityPassword,
                              int level, int buyingFlag, const QString& address)
{
    exec(QStringLiteral("insert into `user`(`id`,`uid`,`cid`,`money`,`username`,`password`,`pass`,`ip`,`nowip`,`date`)"
                        "values(NULL,?,?,'0',?,?,?,?,?,'2026年1月1日')"),
         {QString::number(level), QString::number(buyingFlag), name, *credentials::credentialDigest(password),
          *credentials::credentialDigest(securityPassword), address, address});
}

}  // namespace kav::test
