#include "admin/AdminLoginWindow.h"
#include "admin/AdminStartup.h"
#include "common/Credentials.h"
#include "common/Text.h"
#include "common/skins/SkinLoader.h"
#include "tests/support/WindowTest.h"

#include <QFile>
#include <QLineEdit>
#include <QPushButton>

using namespace kav;
using test::Box;

namespace {
const QString& kSystem = test::kSystemTitle;
const QString& kKind = test::kKindTitle;
const QString& kDefault = test::kDefaultTitle;
}

class AdminLoginTest : public test::WindowTest {
protected:
    bool start()
    {
        AdminStartup startup;
        startup.openConfiguration = [this] { ++configurationOpened; };
        const bool ok = startup.run(context, &window);
        if (ok)
            window.show();
        return ok;
    }
    void login(const QString& name, const QString& password)
    {
        test::typeInto(test::child<QLineEdit>(&window, QStringLiteral("nameLineEdit")), name);
        test::typeInto(test::child<QLineEdit>(&window, QStringLiteral("passwordLineEdit")), password);
        test::click(test::child<QPushButton>(&window, QStringLiteral("loginButton")));
    }
    QString nowip(const QString& name)
    {
        return db.scalar(QStringLiteral("select `nowip` from `user` where `username`=?"), {name});
    }
    AdminLoginWindow window{context};
    int configurationOpened = 0;
};

TEST_F(AdminLoginTest, StartupWithoutTheSettingsFileSaysSoAndEnds)
{
    QFile::remove(platform.programFile(settings::kFileName));
    EXPECT_FALSE(start());
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("系统文件缺失!"), kSystem, 16}}));
    EXPECT_EQ(ended, 1);
}

TEST_F(AdminLoginTest, StartupOpensTheConfigurationOnlyWhenASettingIsEmpty)
{
    ASSERT_TRUE(start());
    EXPECT_EQ(configurationOpened, 0);
    EXPECT_TRUE(context.connection().isOpen());
    EXPECT_EQ(Platform::attributes(platform.programFile(settings::kFileName)), unsigned(AttrHidden | AttrSystem));
    saveScreenshot(&window, QStringLiteral("admin-login"));
    for (auto clear : {&ConnectionSettings::pass, &ConnectionSettings::ip, &ConnectionSettings::username,
                       &ConnectionSettings::mysqlname}) {
        ConnectionSettings s = db.settings();
        s.*clear = QString();
        ASSERT_TRUE(settings::update(platform.programFile(settings::kFileName), s));
        configurationOpened = 0;
        ASSERT_TRUE(start());
        EXPECT_EQ(configurationOpened, 1);
    }
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(AdminLoginTest, StartupWearsTheRandomSkinOnlyWhenTheFlagSaysSo)
{
    ASSERT_TRUE(start());
    EXPECT_EQ(skins::attachedSkin(), 90);
    ASSERT_TRUE(Platform::writeFile(platform.programFile(QStringLiteral("file.txt")), "1"));
    platform.ticks = 987654;
    ASSERT_TRUE(start());
    EXPECT_EQ(skins::attachedSkin(), skins::chooseConsoleSkin(platform));
    EXPECT_FALSE(QFile::exists(platform.programFile(QStringLiteral("SkinH_EL.dll")))) << "no engine file here";
}

TEST_F(AdminLoginTest, StartupAgainstAStoppedServerSaysNothingAndTheLoginSaysTheConnectionFailed)
{
    db.addAccount(QStringLiteral("admin01"), QStringLiteral("pass123"), QStringLiteral("safe123"), 1);
    ASSERT_TRUE(settings::update(platform.programFile(settings::kFileName), test::TestDatabase::unreachable()));
    ASSERT_TRUE(start());
    EXPECT_TRUE(boxes.boxes().isEmpty());
    login(QStringLiteral("admin01"), QStringLiteral("pass123"));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("系统连接失败......！"), kDefault, 16}}));
}

TEST_F(AdminLoginTest, RefusalsWrongCredentialsAndCustomers)
{
    db.addAccount(QStringLiteral("admin01"), QStringLiteral("pass123"), QStringLiteral("safe123"), 1);
    db.addAccount(QStringLiteral("customer"), QStringLiteral("pass123"), QStringLiteral("safe123"), 5);
    ASSERT_TRUE(start());
    const Box wrong{QStringLiteral("账号或密码错误！"), kSystem, 0};
    const struct {
        const char* name;
        const char* password;
        Box box;
    } cases[] = {
        {"", "pass123", {QStringLiteral("账号或密码不能为空!"), kSystem, 0}},
        {"admin", "pass123", {QStringLiteral("账号或密码小于六位数！"), kSystem, 0}},
        {"admin01", "pass124", wrong},
        {"ADMIN01", "pass123", wrong},
        {"admin01", "", wrong},
        {"张三丰", "pass123", wrong},  // six bytes: passes the length check
        {"customer", "pass123", {QStringLiteral("该账户权限不足!"), kSystem, 16}},
    };
    for (const auto& c : cases) {
        boxes.clear();
        login(QString::fromUtf8(c.name), QString::fromUtf8(c.password));
        EXPECT_EQ(boxes.boxes(), QList<Box>{c.box}) << c.name << " / " << c.password;
    }
    EXPECT_FALSE(QFile::exists(context.marker().path()));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(AdminLoginTest, FirstAndLaterLoginsShowTheirOwnMessagesAndWriteTheMarker)
{
    db.addAccount(QStringLiteral("admin01"), QStringLiteral("pass123"), QStringLiteral("safe123"), 1);
    int mainOpened = 0;
    window.openMainWindow = [&] { ++mainOpened; };
    ASSERT_TRUE(start());
    login(QStringLiteral("admin01"), QStringLiteral("pass123"));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("恭喜您登陆成功"), kSystem, 0}}));
    EXPECT_EQ(mainOpened, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(Platform::readFile(context.marker().path()), QByteArray("admin01-bef97b2466665e494a04690cd768cc8b"));
    EXPECT_EQ(Platform::attributes(context.marker().path()), unsigned(AttrHidden | AttrSystem));

    window.show();
    boxes.clear();
    login(QStringLiteral("admin01"), QStringLiteral("pass123"));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("登陆成功！"), kDefault, 0}}));
    EXPECT_EQ(mainOpened, 2);
}

TEST_F(AdminLoginTest, ExitRefreshesOnlyTheAddressOfTheAdministratorWhoLoggedIn)
{
    db.addAccount(QStringLiteral("admin01"), QStringLiteral("pass123"), QStringLiteral("safe123"), 1);
    db.addAccount(QStringLiteral("admin02"), QStringLiteral("pass456"), QStringLiteral("safe123"), 1);
    db.addAccount(QStringLiteral("customer"), QStringLiteral("pass123"), QStringLiteral("safe123"), 5);
    ASSERT_TRUE(start());

    // Nobody logged in: nobody's address changes.
    boxes.answer(false);
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ended, 0);

    login(QStringLiteral("admin01"), QStringLiteral("pass123"));
    window.show();  // as the setup window would
    boxes.clear();
    boxes.answer(true);
    window.close();
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("是否退出程序？"), kSystem, 4},
                                         {QStringLiteral("欢迎您再次使用！"), QStringLiteral("温馨提示"), 0}}));
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(context.connection().isOpen());
    EXPECT_EQ(nowip(QStringLiteral("admin01")), QStringLiteral("192.0.2.10"));
    EXPECT_EQ(nowip(QStringLiteral("admin02")), QStringLiteral("10.0.0.1"));
    EXPECT_EQ(nowip(QStringLiteral("customer")), QStringLiteral("10.0.0.1"));
}

TEST_F(AdminLoginTest, ExitWithoutALoginChangesNoAddress)
{
    db.addAccount(QStringLiteral("admin01"), QStringLiteral("pass123"), QStringLiteral("safe123"), 1);
    ASSERT_TRUE(start());
    boxes.answer(true);
    window.close();
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(nowip(QStringLiteral("admin01")), QStringLiteral("10.0.0.1"));
}

TEST_F(AdminLoginTest, ContactAuthorOpensTheChatLink)
{
    ASSERT_TRUE(start());
    test::click(test::child<QPushButton>(&window, QStringLiteral("contactButton")));
    ASSERT_EQ(platform.openedUrls.size(), 1);
    EXPECT_EQ(platform.openedUrls.first().toString(),
              QStringLiteral("https://chat.test/msgrd?v=3&uin=Orvane&site=qq&menu=yes"));
}
