#include "admin/AdminLoginWindow.h"
#include "admin/AdminMainWindow.h"
#include "admin/Console.h"
#include "admin/PasswordChangeWindow.h"
#include "common/Credentials.h"
#include "tests/support/Modal.h"
#include "tests/support/WindowTest.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMouseEvent>
#include <QTest>

using namespace kav;
using test::Box;

namespace {
const QString& kSystem = test::kSystemTitle;
const QString& kKind = test::kKindTitle;
const QString& kDefault = test::kDefaultTitle;
const QString kAddressWarning = QStringLiteral("亲，您本次的IP与上次的IP有所波动哦~若非您本人操作，请尽快修改密码！");
}  // namespace

class AdminMainWindowTest : public test::WindowTest {
protected:
    // What a double-click delivers: press, release, press, double-click, release.
    static void doubleClick(QWidget* w)
    {
        const QPointF at = QRectF(w->rect()).center();
        auto send = [&](QEvent::Type type) {
            QMouseEvent e(type, at, w->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(w, &e);
        };
        for (auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonPress,
                          QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            send(type);
    }

    AdminMainWindowTest()
    {
        context.settings() = db.settings();
        context.connection().connect(db.settings());
        db.addAccount(QStringLiteral("admin01"), QStringLiteral("pass123"), QStringLiteral("safe123"), 1, 2,
                      QStringLiteral("192.0.2.10"));
        db.addAccount(QStringLiteral("admin02"), QStringLiteral("pass456"), QStringLiteral("safe456"), 1, 2,
                      QStringLiteral("10.0.0.2"));
        context.clock = [this] { return now; };
    }
    QString label(const char* name) { return test::child<QLabel>(console.mainWindow(), QString::fromLatin1(name))->text(); }
    QString nowip(const QString& name)
    {
        return db.scalar(QStringLiteral("select `nowip` from `user` where `username`=?"), {name});
    }
    void logInAs(const QString& name) { context.marker().write(name, QStringLiteral("0123456789abcdef0123456789abcdef")); }

    QDateTime now{QDate(2026, 3, 5), QTime(14, 7, 9)};
    Console console{context};
};

TEST_F(AdminMainWindowTest, ShowsTheAdministratorsInformationWithoutAWarningOnTheSameMachine)
{
    logInAs(QStringLiteral("admin01"));
    console.openMainWindow();
    AdminMainWindow* w = console.mainWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(w->windowTitle(), QStringLiteral("管理窗口 - BY:Orvane"));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(label("clockLabel"), QStringLiteral("2026年3月5日14时7分9秒"));
    EXPECT_EQ(label("registeredLabel"), QStringLiteral("2026年1月1日"));
    EXPECT_EQ(label("thisAddressLabel"), QStringLiteral("192.0.2.10"));
    EXPECT_EQ(label("lastAddressLabel"), QStringLiteral("192.0.2.10"));
    EXPECT_EQ(context.connection().characterSet(), QStringLiteral("gbk"));
    saveScreenshot(w, QStringLiteral("admin-main"));

    now = now.addSecs(51);
    EXPECT_TRUE(w->timer().isActive());
    EXPECT_EQ(w->timer().interval(), 1000);
    w->tick();
    EXPECT_EQ(label("clockLabel"), QStringLiteral("2026年3月5日14时8分"));
}

TEST_F(AdminMainWindowTest, AnotherAddressThanLastTimeIsWarnedAboutOnce)
{
    logInAs(QStringLiteral("admin02"));
    console.openMainWindow();
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{kAddressWarning, kDefault, 48}}));
    EXPECT_EQ(label("lastAddressLabel"), QStringLiteral("10.0.0.2"));
    console.mainWindow()->tick();
    EXPECT_EQ(boxes.boxes().size(), 1);
}

TEST_F(AdminMainWindowTest, WithoutAReadableMarkerNoAccountIsShownAndTheLoginWindowReturns)
{
    for (const QByteArray& content : {QByteArray(), QByteArray("nodash"), QByteArray("-digest")}) {
        boxes.clear();
        context.marker().remove();
        if (!content.isNull()) {
            ASSERT_TRUE(Platform::writeFile(context.marker().path(), content));
        }
        console.loginWindow().hide();
        console.openMainWindow();
        EXPECT_EQ(console.mainWindow(), nullptr);
        EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("登录信息已失效,请重新登录！"), kSystem, 16}}));
        EXPECT_TRUE(console.loginWindow().isVisible());
    }
}

TEST_F(AdminMainWindowTest, ANameWithADashIsLookedUpWhole)
{
    db.addAccount(QStringLiteral("shop-admin"), QStringLiteral("pass123"), QStringLiteral("safe123"), 1, 2,
                  QStringLiteral("192.0.2.10"));
    logInAs(QStringLiteral("shop-admin"));
    console.openMainWindow();
    ASSERT_NE(console.mainWindow(), nullptr);
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(label("lastAddressLabel"), QStringLiteral("192.0.2.10"));
}

TEST_F(AdminMainWindowTest, RandomSkinClickWritesTheFlagDoubleClickRemovesIt)
{
    logInAs(QStringLiteral("admin01"));
    console.openMainWindow();
    auto* skin = test::child<QPushButton>(console.mainWindow(), QStringLiteral("randomSkinButton"));
    const QString flag = platform.programFile(QStringLiteral("file.txt"));
    const Box on{QStringLiteral("开启成功!双击关闭随机皮肤！下次登录开始生效！"), kSystem, 64};
    const Box off{QStringLiteral("关闭成功!单击开启随机皮肤!下次登录开始生效！"), kSystem, 64};

    // A double-click first clicks (writing the flag) and then removes it.
    doubleClick(skin);
    EXPECT_FALSE(QFile::exists(flag));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{on, off}));

    boxes.clear();
    test::click(skin);
    EXPECT_EQ(Platform::readFile(flag), QByteArray("1"));
    EXPECT_EQ(Platform::attributes(flag), unsigned(AttrHidden | AttrSystem));
    test::click(skin);  // the hidden, system flag cannot be overwritten: silent
    EXPECT_EQ(boxes.boxes(), QList<Box>{on});

    boxes.clear();
    doubleClick(skin);  // its click finds the flag there already
    EXPECT_FALSE(QFile::exists(flag));
    EXPECT_EQ(boxes.boxes(), QList<Box>{off});
}

TEST_F(AdminMainWindowTest, ExitAsksAndUpdatesOnlyTheLoggedInAdministratorsAddress)
{
    logInAs(QStringLiteral("admin02"));
    console.openMainWindow();
    boxes.clear();
    platform.address = QStringLiteral("198.51.100.7");
    boxes.answer(false);
    console.mainWindow()->close();
    EXPECT_TRUE(console.mainWindow()->isVisible());
    EXPECT_EQ(nowip(QStringLiteral("admin02")), QStringLiteral("10.0.0.2"));
    boxes.answer(true);
    console.mainWindow()->close();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("是否退出程序？"), kSystem, 4},
                                         {QStringLiteral("是否退出程序？"), kSystem, 4},
                                         {QStringLiteral("欢迎您再次使用!！"), kKind, 0}}));
    EXPECT_EQ(nowip(QStringLiteral("admin02")), QStringLiteral("198.51.100.7"));
    EXPECT_EQ(nowip(QStringLiteral("admin01")), QStringLiteral("192.0.2.10"));
}

TEST_F(AdminMainWindowTest, LinksAndToolsWithoutWindowsDoNothingVisible)
{
    logInAs(QStringLiteral("admin01"));
    console.openMainWindow();
    AdminMainWindow* w = console.mainWindow();
    for (const char* name : {"balanceButton", "levelButton", "freezeButton", "cardsButton", "noticeButton",
                             "contactNumberButton", "goodsButton", "ordersButton", "complaintsButton"})
        test::click(test::child<QPushButton>(w, QString::fromLatin1(name)));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    test::click(test::child<QPushButton>(w, QStringLiteral("contactButton")));
    auto* role = test::child<QLabel>(w, QStringLiteral("roleLinkLabel"));
    EXPECT_TRUE(role->text().contains(QStringLiteral("系统管理员")));
    emit role->linkActivated(QStringLiteral("https://kavello.example/"));
    ASSERT_EQ(platform.openedUrls.size(), 2);
    EXPECT_TRUE(platform.openedUrls[0].toString().contains(QStringLiteral("uin=Orvane")));
}

// ----------------------------------------------------------- password change

class PasswordChangeTest : public AdminMainWindowTest {
protected:
    void change(PasswordChangeWindow& w, const char* name, const char* password, const char* confirmation,
                const char* security)
    {
        test::typeInto(test::child<QLineEdit>(&w, QStringLiteral("nameLineEdit")), QString::fromUtf8(name));
        test::typeInto(test::child<QLineEdit>(&w, QStringLiteral("newPasswordLineEdit")), QString::fromUtf8(password));
        test::typeInto(test::child<QLineEdit>(&w, QStringLiteral("confirmationLineEdit")), QString::fromUtf8(confirmation));
        test::typeInto(test::child<QLineEdit>(&w, QStringLiteral("securityLineEdit")), QString::fromUtf8(security));
        test::click(test::child<QPushButton>(&w, QStringLiteral("changeButton")));
    }
    QString password(const char* name)
    {
        return db.scalar(QStringLiteral("select `password` from `user` where `username`=?"), {QString::fromUtf8(name)});
    }
};

TEST_F(PasswordChangeTest, ChecksAndAWrongSecurityPasswordChangeNothing)
{
    PasswordChangeWindow w(context);
    const QString before = password("admin01");
    const struct {
        const char *name, *password, *confirmation, *security;
        Box box;
    } cases[] = {
        {"admin01", "", "newpass1", "safe123", {QStringLiteral("所有项均不能为空！"), kDefault, 0}},
        {"admin01", "new12", "new12", "safe123", {QStringLiteral("账号密码或安全码不能小于6位数！"), kDefault, 0}},
        {"admin01", "admin01", "admin01", "safe123", {QStringLiteral("为了安全起见，账号密码不能相同！"), kDefault, 0}},
        {"admin01", "safe123", "safe123", "safe123", {QStringLiteral("为了安全起见，账号或密码不能与安全码相同！"), kDefault, 0}},
        {"admin01", "newpass1", "newpass2", "safe123", {QStringLiteral("您的两次密码不同,请确认！"), kDefault, 0}},
        {"admin01", "newpass1", "newpass1", "wrong12", {QStringLiteral("账号不存在或安全码错误"), kSystem, 16}},
        {"admin01", "newpass1", "newpass1", "", {QStringLiteral("账号不存在或安全码错误"), kSystem, 16}},
        {"nobody1", "newpass1", "newpass1", "safe123", {QStringLiteral("账号不存在或安全码错误"), kSystem, 16}},
    };
    for (const auto& c : cases) {
        boxes.clear();
        change(w, c.name, c.password, c.confirmation, c.security);
        EXPECT_EQ(boxes.boxes(), QList<Box>{c.box}) << c.password << " / " << c.security;
    }
    EXPECT_EQ(password("admin01"), before);
    EXPECT_EQ(ended, 0);
}

TEST_F(PasswordChangeTest, ASuccessfulChangeTouchesOnlyTheNamedAccountAndEndsTheConsole)
{
    db.addAccount(QStringLiteral("customer1"), QStringLiteral("pw123456"), QStringLiteral("sc123456"));
    const QString admin02 = password("admin02");
    PasswordChangeWindow w(context);
    change(w, "customer1", "brandnew1", "brandnew1", "sc123456");  // any account, by its security password
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("修改成功,程序稍后自动重启！"), kDefault, 0}}));
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(password("customer1"), credentials::credentialDigest(QStringLiteral("brandnew1")));
    EXPECT_EQ(password("admin02"), admin02);
    EXPECT_EQ(password("admin01"), credentials::credentialDigest(QStringLiteral("pass123")));
}

TEST_F(PasswordChangeTest, CancelAsksFirstAndTheMainWindowOpensItModal)
{
    logInAs(QStringLiteral("admin01"));
    console.openMainWindow();
    bool seen = false;
    test::whenModal<PasswordChangeWindow>([&](PasswordChangeWindow* w) {
        seen = true;
        boxes.answer(false);
        test::click(test::child<QPushButton>(w, QStringLiteral("cancelButton")));
        EXPECT_TRUE(w->isVisible());
        boxes.answer(true);
        test::click(test::child<QPushButton>(w, QStringLiteral("cancelButton")));
    });
    test::click(test::child<QPushButton>(console.mainWindow(), QStringLiteral("changePasswordButton")));
    EXPECT_TRUE(seen);
    EXPECT_EQ(boxes.texts(), QStringList(2, QStringLiteral("是否要放弃修改密码？")));
}
