#include "common/StoreConnection.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestDatabase.h"

#include <gtest/gtest.h>

using namespace kav;
using kav::test::TestDatabase;

class StoreConnectionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        db.exec(QStringLiteral("CREATE TABLE t (id int, name varchar(32) collate utf8_bin, amount varchar(32), "
                               "note varchar(32) NULL) DEFAULT CHARSET=utf8 COLLATE=utf8_bin"));
        db.exec(QStringLiteral("INSERT INTO t VALUES (1,'one','7',NULL),(2,'two','3.99','x'),(3,'three','12.50','y')"));
        ASSERT_TRUE(connection.connect(db.settings()));
    }
    StoreResult all()
    {
        auto r = connection.query(Statement("SELECT * FROM t ORDER BY id"));
        EXPECT_TRUE(r);
        return r.value_or(StoreResult());
    }
    TestDatabase db;
    StoreConnection connection;
};

TEST_F(StoreConnectionTest, ReadFieldNeverMovesAndReadsPastTheEndYieldTheLastRow)
{
    StoreResult r = all();
    ASSERT_EQ(r.rowCount(), 3);
    QString name;
    EXPECT_TRUE(r.readField(QStringLiteral("name"), name));
    EXPECT_TRUE(r.readField(QStringLiteral("name"), name));
    EXPECT_EQ(name, QStringLiteral("one"));
    EXPECT_TRUE(r.nextRow());
    EXPECT_TRUE(r.nextRow());
    EXPECT_TRUE(r.nextRow());  // steps off the last row: still true
    EXPECT_TRUE(r.readField(QStringLiteral("name"), name));
    EXPECT_EQ(name, QStringLiteral("three"));
    EXPECT_FALSE(r.nextRow());  // already past the end
    EXPECT_TRUE(r.readField(QStringLiteral("name"), name));
    EXPECT_EQ(name, QStringLiteral("three"));
}

TEST_F(StoreConnectionTest, MissingColumnEmptyResultAndNoResultLeaveTheDestinationUntouched)
{
    StoreResult r = all();
    QString text = QStringLiteral("kept");
    qint64 number = 42;
    EXPECT_FALSE(r.readField(QStringLiteral("Name"), text));  // wrong letter case
    EXPECT_FALSE(r.readField(QStringLiteral("nope"), number));
    auto empty = connection.query(Statement("SELECT * FROM t WHERE id = ?", {QStringLiteral("99")}));
    ASSERT_TRUE(empty);
    EXPECT_FALSE(empty->isNull());
    EXPECT_FALSE(empty->readField(QStringLiteral("name"), text));
    StoreResult none;
    EXPECT_FALSE(none.readField(QStringLiteral("name"), text));
    EXPECT_EQ(none.rowCount(), 0);
    EXPECT_EQ(text, QStringLiteral("kept"));
    EXPECT_EQ(number, 42);
}

TEST_F(StoreConnectionTest, ConversionsTakeTheLeadingNumberAndNullReadsAsEmptyOrZero)
{
    StoreResult r = all();
    qint64 i = -1;
    double d = -1;
    QString s = QStringLiteral("x");
    ASSERT_TRUE(r.readField(QStringLiteral("amount"), i));
    EXPECT_EQ(i, 7);
    ASSERT_TRUE(r.readField(QStringLiteral("note"), s));
    EXPECT_EQ(s, QString());
    ASSERT_TRUE(r.readField(QStringLiteral("note"), d));
    EXPECT_EQ(d, 0);
    r.nextRow();
    ASSERT_TRUE(r.readField(QStringLiteral("amount"), i));
    ASSERT_TRUE(r.readField(QStringLiteral("amount"), d));
    EXPECT_EQ(i, 3);
    EXPECT_DOUBLE_EQ(d, 3.99);
    r.nextRow();
    ASSERT_TRUE(r.readField(QStringLiteral("amount"), i));
    EXPECT_EQ(i, 12);
}

TEST_F(StoreConnectionTest, RowWalkVisitsEveryRowFirstRowReadKeepsTheFirst)
{
    QStringList seen;
    QString last;
    StoreResult walked = all();
    rowWalk(walked, [&](const StoreResult& row) {
        row.readField(QStringLiteral("name"), last);
        seen << last;
    });
    EXPECT_EQ(seen, (QStringList{QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")}));
    EXPECT_EQ(last, QStringLiteral("three"));

    QString first = QStringLiteral("before");
    StoreResult read = all();
    firstRowRead(read, [&](const StoreResult& row) { row.readField(QStringLiteral("name"), first); });
    EXPECT_EQ(first, QStringLiteral("one"));

    auto empty = connection.query(Statement("SELECT * FROM t WHERE id = '0'"));
    ASSERT_TRUE(empty);
    firstRowRead(*empty, [&](const StoreResult& row) { row.readField(QStringLiteral("name"), first); });
    EXPECT_EQ(first, QStringLiteral("one"));
}

TEST_F(StoreConnectionTest, ValuesCannotEndTheirLiteralInEitherCharacterSet)
{
    const QStringList hostile = {
        QStringLiteral("a' OR '1'='1"), QStringLiteral("back\\slash'"), QStringLiteral("\"quote\" -- "),
        QStringLiteral("张三'; DROP TABLE t; --"),
    };
    for (const bool gbk : {false, true}) {
        if (gbk)
            ASSERT_TRUE(connection.setNamesGbk());
        for (const QString& value : hostile) {
            ASSERT_TRUE(connection.execute(Statement("INSERT INTO t (id, name) VALUES ('9', ?)", {value})))
                << connection.lastError().toStdString();
            auto r = connection.query(Statement("SELECT * FROM t WHERE name = ?", {value}));
            ASSERT_TRUE(r);
            ASSERT_EQ(r->rowCount(), 1) << value.toStdString();
            QString back;
            r->readField(QStringLiteral("name"), back);
            EXPECT_EQ(back, value);
            db.exec(QStringLiteral("DELETE FROM t WHERE id = 9"));
        }
    }
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM t")), QStringLiteral("3"));
}

TEST_F(StoreConnectionTest, GbkLeadByteBeforeAQuoteIsEscapedAsTheServerSeesIt)
{
    // U+7E17 is 0xBF 0x5C in GBK: its second byte is a backslash. Escaping
    // for the wrong character set would break the literal once the server
    // reads GBK; escaping in the connection's own set keeps it whole.
    ASSERT_TRUE(connection.setNamesGbk());
    EXPECT_EQ(connection.characterSet(), QStringLiteral("gbk"));
    const QString value = QString(QChar(0x7E17)) + QStringLiteral("\\' OR 1=1 -- ") + QChar(0x7E17);
    ASSERT_TRUE(connection.execute(Statement("INSERT INTO t (id, name) VALUES ('8', ?)", {value})));
    auto r = connection.query(Statement("SELECT * FROM t WHERE name = ?", {value}));
    ASSERT_TRUE(r);
    EXPECT_EQ(r->rowCount(), 1);
}

TEST_F(StoreConnectionTest, ChineseTextTravelsBeforeAndAfterSetNamesGbk)
{
    const QString name = QStringLiteral("张三丰");
    ASSERT_TRUE(connection.execute(Statement("INSERT INTO t (id, name) VALUES ('5', ?)", {name})));
    auto before = connection.query(Statement("SELECT * FROM t WHERE name = ?", {name}));
    ASSERT_TRUE(before);
    EXPECT_EQ(before->rowCount(), 1);
    ASSERT_TRUE(connection.setNamesGbk());
    auto after = connection.query(Statement("SELECT * FROM t WHERE name = ?", {name}));
    ASSERT_TRUE(after);
    QString back;
    after->readField(QStringLiteral("name"), back);
    EXPECT_EQ(back, name);
    // An emoji cannot be sent on a GBK connection: refused before sending.
    EXPECT_FALSE(connection.execute(Statement("SELECT ?", {QStringLiteral("😀")})));
}

TEST_F(StoreConnectionTest, FailuresAreReportedAndNothingIsSentWithoutAConnection)
{
    EXPECT_FALSE(connection.execute(Statement("SELECT * FROM no_such_table")));
    EXPECT_FALSE(connection.lastError().isEmpty());
    EXPECT_TRUE(connection.storeResult().isNull());
    EXPECT_FALSE(connection.execute(Statement("SELECT ?, ?", {QStringLiteral("one")})));  // value count mismatch

    StoreConnection dead;
    EXPECT_FALSE(dead.connect(TestDatabase::unreachable()));
    EXPECT_FALSE(dead.isOpen());
    EXPECT_FALSE(dead.execute(Statement("SELECT 1")));
    EXPECT_TRUE(dead.storeResult().isNull());

    // A statement without rows and columns stores no result.
    ASSERT_TRUE(connection.execute(Statement("UPDATE t SET note = 'z' WHERE id = '1'")));
    EXPECT_TRUE(connection.storeResult().isNull());
}

TEST_F(StoreConnectionTest, AStatementsResultDoesNotBlockTheNextStatement)
{
    ASSERT_TRUE(connection.execute(Statement("SELECT * FROM t")));  // result never taken
    ASSERT_TRUE(connection.execute(Statement("SELECT * FROM t WHERE id = '2'")));
    EXPECT_EQ(connection.storeResult().rowCount(), 1);
}

TEST_F(StoreConnectionTest, EmptyTextsGoAsAbsentAndPortZeroAsDefault)
{
    ConnectionSettings s = db.settings();
    s.mysqlname.clear();  // no default database
    StoreConnection c;
    ASSERT_TRUE(c.connect(s));
    auto r = c.query(Statement("SELECT DATABASE() AS db"));
    ASSERT_TRUE(r);
    QString current = QStringLiteral("x");
    r->readField(QStringLiteral("db"), current);
    EXPECT_EQ(current, QString());  // NULL: no database chosen
    s.port = 0;  // the default port: nothing of ours listens on 3306
    StoreConnection d;
    EXPECT_EQ(d.connect(s), false);
}
