#include "common/Accounts.h"
#include "common/Credentials.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestDatabase.h"

#include <QProcess>
#include <QTemporaryDir>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace kav;

TEST(AccountRules, NewCredentialsAreCheckedInTheShopsOrder)
{
    const struct {
        const char *name, *password, *confirmation, *security;
        const QString& expected;
    } cases[] = {
        {"abcde", "", "123456", "654321", accounts::kAllRequired},  // empty beats short
        {"abcdef", "12345", "12345", "654321", accounts::kTooShort},
        {"张三", "123456", "123456", "654321", accounts::kTooShort},  // four bytes
        {"abcdef", "abcdef", "abcdef", "654321", accounts::kNameEqualsPassword},
        {"abcdef", "123456", "123456", "123456", accounts::kSecurityEqualsOther},
        {"abcdef", "123456", "123457", "abcdef", accounts::kSecurityEqualsOther},
        {"abcdef", "Secret", "secret", "654321", accounts::kPasswordsDiffer},
    };
    for (const auto& c : cases)
        EXPECT_EQ(accounts::checkNewCredentials(QString::fromUtf8(c.name), QString::fromUtf8(c.password),
                                                QString::fromUtf8(c.confirmation), QString::fromUtf8(c.security)),
                  c.expected)
            << c.name << " " << c.password;
    EXPECT_EQ(accounts::checkNewCredentials(QStringLiteral("张三丰"), QStringLiteral("123456"), QStringLiteral("123456"),
                                            QStringLiteral("654321")),
              QString());
}

TEST(AccountRules, PasswordChangesDoNotTestTheSecurityPasswordItself)
{
    // An empty, short or name-equal security password still goes to the look-up.
    for (const char* security : {"", "12", "abcdef"})
        EXPECT_EQ(accounts::checkPasswordChange(QStringLiteral("abcdef"), QStringLiteral("newpass"), QStringLiteral("newpass"),
                                                QString::fromUtf8(security), true),
                  QString());
    EXPECT_EQ(accounts::checkPasswordChange(QStringLiteral("abcdef"), QStringLiteral("newpass"), QStringLiteral("newpasz"),
                                            QStringLiteral("newpasz"), true),
              accounts::kSecurityEqualsOther);
    EXPECT_EQ(accounts::checkPasswordChange(QStringLiteral("abcdef"), QStringLiteral("newpass"), QStringLiteral("newpasz"),
                                            QStringLiteral("newpasz"), false),
              accounts::kPasswordsDiffer);
}

TEST(AccountStore, TwoCreationsOfOneNameAtTheSameMomentCannotBothSucceed)
{
    test::TestDatabase db;
    db.createSchema();
    constexpr int kThreads = 6;
    std::atomic<int> created{0}, taken{0}, failed{0};
    std::atomic<bool> go{false};
    std::vector<std::thread> threads;
    for (int i = 0; i < kThreads; ++i) {
        threads.emplace_back([&, settings = db.settings()] {
            StoreConnection connection;
            if (!connection.connect(settings)) {
                ++failed;
                return;
            }
            while (!go)
                std::this_thread::yield();
            switch (accounts::createAccount(connection, QStringLiteral("racer01"), QStringLiteral("pass123"),
                                            QStringLiteral("safe123"), schema::MemberLevel::Ordinary,
                                            QStringLiteral("10.0.0.1"), QStringLiteral("2026年1月1日"))) {
            case accounts::CreateOutcome::Created: ++created; break;
            case accounts::CreateOutcome::NameTaken: ++taken; break;
            case accounts::CreateOutcome::Failed: ++failed; break;
            }
        });
    }
    go = true;
    for (auto& t : threads)
        t.join();
    EXPECT_EQ(created, 1);
    EXPECT_EQ(taken, kThreads - 1);
    EXPECT_EQ(failed, 0);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM `user` WHERE `username`='racer01'")), QStringLiteral("1"));
}

TEST(AccountStore, ChangingAPasswordNeedsTheSecurityPasswordAndTouchesOneRow)
{
    test::TestDatabase db;
    db.createSchema();
    db.addAccount(QStringLiteral("abcdef"), QStringLiteral("old123"), QStringLiteral("safe123"));
    db.addAccount(QStringLiteral("Abcdef"), QStringLiteral("old123"), QStringLiteral("safe123"));
    StoreConnection c;
    ASSERT_TRUE(c.connect(db.settings()));
    EXPECT_EQ(accounts::changePassword(c, QStringLiteral("abcdef"), QStringLiteral("new123"), QStringLiteral("safe124")),
              accounts::ChangeOutcome::NotFound);
    EXPECT_EQ(accounts::changePassword(c, QStringLiteral("abcdef"), QStringLiteral("new123"), QStringLiteral("safe123")),
              accounts::ChangeOutcome::Changed);
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT `password` FROM `user` WHERE `username`='abcdef'")),
              credentials::credentialDigest(QStringLiteral("new123")));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT `password` FROM `user` WHERE `username`='Abcdef'")),
              credentials::credentialDigest(QStringLiteral("old123")));
}

// ------------------------------------------------------- headless set-up

namespace {
struct ToolRun {
    int exitCode;
    QString out, err;
};
ToolRun tool(const QString& dir, const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(QStringLiteral(KAVELLO_BIN_DIR "/kavello-settings"), QStringList{QStringLiteral("--dir"), dir} + args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitCode(), QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
}  // namespace

TEST(HeadlessSetup, InitSchemaCreatesOnlyWhatIsMissingAndNeverDrops)
{
    test::TestDatabase db;
    QTemporaryDir dir;
    ASSERT_TRUE(tool(dir.path(), {QStringLiteral("create")}).exitCode == 0);
    const ConnectionSettings s = db.settings();
    ASSERT_EQ(tool(dir.path(), {QStringLiteral("set"), QStringLiteral("ip=") + s.ip, QStringLiteral("port=%1").arg(s.port),
                                QStringLiteral("username=") + s.username, QStringLiteral("pass=") + s.pass,
                                QStringLiteral("mysqlname=") + s.mysqlname})
                  .exitCode,
              0);
    ToolRun r = tool(dir.path(), {QStringLiteral("init-schema")});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(r.out, QStringLiteral("created: user, shop_user, shop, save_money, qq, message, class, cdk\n"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT `qq` FROM `qq`")), QStringLiteral("Orvane"));

    db.addAccount(QStringLiteral("customer1"), QStringLiteral("pw123456"), QStringLiteral("sc123456"));
    db.exec(QStringLiteral("DROP TABLE `cdk`"));
    r = tool(dir.path(), {QStringLiteral("init-schema")});
    EXPECT_EQ(r.out, QStringLiteral("created: cdk\n"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM `user`")), QStringLiteral("1"));
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM `qq`")), QStringLiteral("1"));
    EXPECT_EQ(tool(dir.path(), {QStringLiteral("init-schema")}).out, QStringLiteral("all tables already exist\n"));

    // Administrators: passwords from standard input, the setup window's checks.
    r = tool(dir.path(), {QStringLiteral("add-admin"), QStringLiteral("boss01")}, "pass123\npass123\nsafe123\n");
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT CONCAT(`uid`,',',`cid`,',',`money`,',',`password`) FROM `user` WHERE `username`='boss01'")),
              QStringLiteral("1,2,0.00,") + *credentials::credentialDigest(QStringLiteral("pass123")));
    const struct {
        QStringList args;
        QByteArray input;
        const char* says;
    } refused[] = {
        {{QStringLiteral("add-admin"), QStringLiteral("boss01")}, "pass123\npass123\nsafe123\n", "该账号已被注册！"},
        {{QStringLiteral("add-admin"), QStringLiteral("boss02")}, "pass1\npass1\nsafe123\n", "账号密码或安全码不能小于6位数！"},
        {{QStringLiteral("add-admin"), QStringLiteral("boss02")}, "pass123\npass124\nsafe123\n", "您的两次密码不同,请确认！"},
        {{QStringLiteral("add-admin"), QStringLiteral("boss02")}, "pass123\n", "standard input"},
        {{QStringLiteral("add-admin")}, "", "name"},
    };
    for (const auto& c : refused) {
        r = tool(dir.path(), c.args, c.input);
        EXPECT_NE(r.exitCode, 0) << c.says;
        EXPECT_TRUE(r.err.contains(QString::fromUtf8(c.says))) << r.err.toStdString();
    }
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM `user`")), QStringLiteral("2"));
}
