#include "client/Client.h"
#include "client/GoodsAreaWindow.h"
#include "client/LoginWindow.h"
#include "client/RecoveryWindow.h"
#include "client/RegistrationWindow.h"
#include "common/Credentials.h"
#include "common/ui/ControlStyle.h"
#include "tests/support/WindowTest.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using namespace kav;
using test::Box;

namespace {
const QString& kSystem = test::kSystemTitle;
const QString& kKind = test::kKindTitle;
const QString& kDefault = test::kDefaultTitle;
}  // namespace

class ClientAccountsTest : public test::WindowTest {
protected:
    ClientAccountsTest() { context.settings() = db.settings(); }
    void registerWith(const QString& account, const QString& password, const QString& confirmation,
                      const QString& security)
    {
        RegistrationWindow* w = client.registrationWindow();
        ASSERT_NE(w, nullptr);
        test::fill(w, {{"accountLineEdit", account}, {"passwordLineEdit", password}, {"confirmationLineEdit", confirmation},
                 {"securityLineEdit", security}});
        test::click(test::child<QPushButton>(w, QStringLiteral("registerButton")));
    }
    void recoverWith(const QString& account, const QString& password, const QString& confirmation,
                     const QString& security)
    {
        RecoveryWindow* w = client.recoveryWindow();
        ASSERT_NE(w, nullptr);
        test::fill(w, {{"accountLineEdit", account}, {"newPasswordLineEdit", password},
                 {"confirmationLineEdit", confirmation}, {"securityLineEdit", security}});
        test::click(test::child<QPushButton>(w, QStringLiteral("changeButton")));
    }
    QString column(const char* column, const QString& account)
    {
        return db.scalar(QStringLiteral("select `%1` from `user` where `username`=?").arg(QLatin1String(column)), {account});
    }
    void login(const QString& account, const QString& password)
    {
        LoginWindow& w = client.loginWindow();
        test::typeInto(test::child<QLineEdit>(&w, QStringLiteral("accountLineEdit")), account);
        test::typeInto(test::child<QLineEdit>(&w, QStringLiteral("passwordLineEdit")), password);
        test::click(test::child<QPushButton>(&w, QStringLiteral("loginButton")));
    }
    Client client{context};
};

// ------------------------------------------------------------ registration

TEST_F(ClientAccountsTest, RegistrationChecksInOrderLeavingTheTypedTexts)
{
    client.loginWindow().show();
    test::click(test::child<QPushButton>(&client.loginWindow(), QStringLiteral("registerButton")));
    EXPECT_FALSE(client.loginWindow().isVisible());
    RegistrationWindow* w = client.registrationWindow();
    ASSERT_TRUE(w && w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("用户注册"));
    EXPECT_EQ(w->size(), QSize(262, 219));
    EXPECT_TRUE(ui::blueControlStyleInUse());
    saveScreenshot(w, QStringLiteral("client-registration"));
    db.addAccount(QStringLiteral("abcdef"), QStringLiteral("pw123456"), QStringLiteral("sc123456"));
    const struct {
        const char *account, *password, *confirmation, *security, *message;
    } cases[] = {
        {"abc", "", "123456", "654321", "所有项均不能为空！"},
        {"abcdefg", "12345", "12345", "654321", "账号密码或安全码不能小于6位数！"},
        {"abcdefg", "abcdefg", "abcdefg", "654321", "为了安全起见，账号密码不能相同！"},
        {"abcdefg", "123456", "123456", "123456", "为了安全起见，账号或密码不能与安全码相同！"},
        {"abcdefg", "Secret1", "secret1", "654321", "您的两次密码不同,请确认！"},
        {"abcdef", "123456", "123456", "654321", "该账号已被注册！"},
        {"abcdefg", "123456", "123456", "654321😀", "输入的内容含有无法识别的字符(如表情符号),请删除后重新输入！"},
    };
    for (const auto& c : cases) {
        boxes.clear();
        registerWith(QString::fromUtf8(c.account), QString::fromUtf8(c.password), QString::fromUtf8(c.confirmation),
                     QString::fromUtf8(c.security));
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.last().text, QString::fromUtf8(c.message));
        EXPECT_EQ(test::child<QLineEdit>(w, QStringLiteral("accountLineEdit"))->text(), QString::fromUtf8(c.account));
    }
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM `user`")), QStringLiteral("1"));
}

TEST_F(ClientAccountsTest, ARegisteredCustomerStartsAtTheLowestLevelAndCanLogIn)
{
    client.loginWindow().show();
    test::typeInto(test::child<QLineEdit>(&client.loginWindow(), QStringLiteral("accountLineEdit")), QStringLiteral("kept"));
    client.openRegistration();
    client.loginWindow().hide();
    db.addAccount(QStringLiteral("abcdef"), QStringLiteral("pw123456"), QStringLiteral("sc123456"));
    registerWith(QStringLiteral("Abcdef"), QStringLiteral("顾客密码"), QStringLiteral("顾客密码"), QStringLiteral("安全密码"));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("注册成功"), kDefault, 0}}));
    EXPECT_TRUE(!client.registrationWindow() || !client.registrationWindow()->isVisible());
    EXPECT_TRUE(client.loginWindow().isVisible());
    EXPECT_EQ(test::child<QLineEdit>(&client.loginWindow(), QStringLiteral("accountLineEdit"))->text(), QStringLiteral("kept"));
    EXPECT_EQ(column("uid", QStringLiteral("Abcdef")), QStringLiteral("5"));
    EXPECT_EQ(column("cid", QStringLiteral("Abcdef")), QStringLiteral("2"));
    EXPECT_EQ(column("money", QStringLiteral("Abcdef")), QStringLiteral("0.00"));
    EXPECT_EQ(column("password", QStringLiteral("Abcdef")), credentials::credentialDigest(QStringLiteral("顾客密码")));
    EXPECT_EQ(column("pass", QStringLiteral("Abcdef")), credentials::credentialDigest(QStringLiteral("安全密码")));
    EXPECT_EQ(column("ip", QStringLiteral("Abcdef")), QStringLiteral("192.0.2.10"));
    EXPECT_EQ(column("nowip", QStringLiteral("Abcdef")), QStringLiteral("192.0.2.10"));
    EXPECT_EQ(context.connection().characterSet(), QStringLiteral("gbk"));

    boxes.clear();
    login(QStringLiteral("Abcdef"), QStringLiteral("顾客密码"));
    EXPECT_EQ(boxes.texts(), (QStringList{QStringLiteral("登陆成功！"), QStringLiteral("欢迎Abcdef回来")}));
    EXPECT_NE(client.goodsArea(), nullptr);
}

TEST_F(ClientAccountsTest, RegistrationWithoutAServerSaysItFailed)
{
    client.openRegistration();
    context.settings() = test::TestDatabase::unreachable();
    registerWith(QStringLiteral("abcdefg"), QStringLiteral("123456"), QStringLiteral("123456"), QStringLiteral("654321"));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("注册失败，请联系管理员！"), kDefault, 0}}));
    EXPECT_NE(client.registrationWindow(), nullptr);
}

TEST_F(ClientAccountsTest, BackToLoginAndTheCloseBoxThatDeletesTheMarker)
{
    client.openRegistration();
    test::click(test::child<QPushButton>(client.registrationWindow(), QStringLiteral("backButton")));
    EXPECT_TRUE(client.loginWindow().isVisible());
    EXPECT_TRUE(boxes.boxes().isEmpty());

    context.marker().write(QStringLiteral("abcdef"), QStringLiteral("digest"));
    client.openRegistration();
    boxes.answer(false);
    client.registrationWindow()->close();
    EXPECT_NE(client.registrationWindow(), nullptr);
    boxes.answer(true);
    client.registrationWindow()->close();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(boxes.texts(), (QStringList{QStringLiteral("是否退出程序？"), QStringLiteral("是否退出程序？"),
                                          QStringLiteral("欢迎您再次使用！")}));
    EXPECT_FALSE(QFile::exists(context.marker().path()));
}

// ----------------------------------------------------------------- recovery

TEST_F(ClientAccountsTest, LoginRecoveryChangesOnlyTheProvedAccount)
{
    db.addAccount(QStringLiteral("abcdef"), QStringLiteral("oldpass1"), QStringLiteral("sc123456"));
    db.addAccount(QStringLiteral("admin01"), QStringLiteral("adminpw1"), QStringLiteral("sc123456"), 1);
    client.loginWindow().show();
    test::click(test::child<QPushButton>(&client.loginWindow(), QStringLiteral("recoverButton")));
    EXPECT_FALSE(client.loginWindow().isVisible());
    RecoveryWindow* w = client.recoveryWindow();
    ASSERT_TRUE(w && w->isVisible());
    EXPECT_EQ(w->size(), QSize(262, 219));
    saveScreenshot(w, QStringLiteral("client-recovery"));
    const QString admin = column("password", QStringLiteral("admin01"));

    const struct {
        const char *account, *password, *confirmation, *security;
        Box box;
    } refused[] = {
        {"abcdef", "newpass1", "newpass1", "sc123457", {QStringLiteral("账号不存在或安全码错误"), kSystem, 16}},
        {"abcdef", "newpass1", "newpass1", "", {QStringLiteral("账号不存在或安全码错误"), kSystem, 16}},
        {"abcdef", "sc123456", "sc123456", "sc123456", {QStringLiteral("为了安全起见，账号或密码不能与安全码相同！"), kDefault, 0}},
        {"abcdef", "newpass1", "newpass2", "newpass2", {QStringLiteral("为了安全起见，账号或密码不能与安全码相同！"), kDefault, 0}},
        {"abcdef", "newpass1", "newpass2", "sc123456", {QStringLiteral("您的两次密码不同,请确认！"), kDefault, 0}},
        {"", "newpass1", "newpass1", "sc123456", {QStringLiteral("所有项均不能为空！"), kDefault, 0}},
    };
    for (const auto& c : refused) {
        boxes.clear();
        recoverWith(QString::fromUtf8(c.account), QString::fromUtf8(c.password), QString::fromUtf8(c.confirmation),
                    QString::fromUtf8(c.security));
        EXPECT_EQ(boxes.boxes(), QList<Box>{c.box}) << c.security;
    }
    EXPECT_EQ(column("password", QStringLiteral("abcdef")), credentials::credentialDigest(QStringLiteral("oldpass1")));

    boxes.clear();
    recoverWith(QStringLiteral("abcdef"), QStringLiteral("newpass1"), QStringLiteral("newpass1"), QStringLiteral("sc123456"));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("恭喜你找回成功,请用新密码登陆！"), kDefault, 0}}));
    EXPECT_TRUE(!client.recoveryWindow() || !client.recoveryWindow()->isVisible());
    EXPECT_TRUE(client.loginWindow().isVisible());
    EXPECT_EQ(column("password", QStringLiteral("admin01")), admin);

    boxes.clear();
    login(QStringLiteral("abcdef"), QStringLiteral("oldpass1"));
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("账号或密码错误！")});
}

TEST_F(ClientAccountsTest, GoodsAreaRecoveryUsesTheLoginConnectionAndEndsTheClient)
{
    db.addAccount(QStringLiteral("abcdef"), QStringLiteral("oldpass1"), QStringLiteral("sc123456"));
    db.addAccount(QStringLiteral("other1"), QStringLiteral("oldpass2"), QStringLiteral("sc654321"));
    ASSERT_TRUE(context.connection().connect(db.settings()));
    client.openGoodsAreaRecovery();
    RecoveryWindow* w = client.recoveryWindow();
    ASSERT_TRUE(w);
    EXPECT_EQ(w->size(), QSize(261, 219));
    // Any account whose security password is known.
    context.settings() = test::TestDatabase::unreachable();  // no new connection is made
    recoverWith(QStringLiteral("other1"), QStringLiteral("newpass2"), QStringLiteral("newpass2"), QStringLiteral("sc654321"));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("修改成功,程序稍后自动重启！"), kDefault, 0}}));
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(column("password", QStringLiteral("other1")), credentials::credentialDigest(QStringLiteral("newpass2")));
}

TEST_F(ClientAccountsTest, RecoveryCancelAndCloseDifferBetweenTheTwoWindows)
{
    context.marker().write(QStringLiteral("abcdef"), QStringLiteral("digest"));
    client.openGoodsAreaRecovery();
    test::click(test::child<QPushButton>(client.recoveryWindow(), QStringLiteral("cancelButton")));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_FALSE(client.loginWindow().isVisible());

    client.openGoodsAreaRecovery();
    boxes.answer(true);
    client.recoveryWindow()->close();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(QFile::exists(context.marker().path()));  // the goods-area window leaves it

    client.openLoginRecovery();
    test::click(test::child<QPushButton>(client.recoveryWindow(), QStringLiteral("cancelButton")));
    EXPECT_TRUE(client.loginWindow().isVisible());
}

TEST_F(ClientAccountsTest, ClosingTheLoginRecoveryWindowDeletesTheMarker)
{
    context.marker().write(QStringLiteral("abcdef"), QStringLiteral("digest"));
    client.openLoginRecovery();
    boxes.answer(false);
    client.recoveryWindow()->close();
    EXPECT_TRUE(client.recoveryWindow()->isVisible());
    boxes.answer(true);
    client.recoveryWindow()->close();
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(QFile::exists(context.marker().path()));
}
