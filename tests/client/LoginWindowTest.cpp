#include "client/ClientStartup.h"
#include "client/LoginWindow.h"
#include "common/Credentials.h"
#include "common/Text.h"
#include "common/skins/SkinLoader.h"
#include "common/ui/InputCheck.h"
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

class ClientLoginTest : public test::WindowTest {
protected:
    // Runs the start-up as the program does; the window shows when it passes.
    bool start()
    {
        const bool ok = ClientStartup::run(context, &window);
        if (ok)
            window.show();
        return ok;
    }
    void login(const QString& account, const QString& password)
    {
        test::typeInto(test::child<QLineEdit>(&window, QStringLiteral("accountLineEdit")), account);
        test::typeInto(test::child<QLineEdit>(&window, QStringLiteral("passwordLineEdit")), password);
        test::click(test::child<QPushButton>(&window, QStringLiteral("loginButton")));
    }
    LoginWindow window{context};
};

TEST_F(ClientLoginTest, StartupWithoutAUsableSettingsFileSaysAFileIsMissingAndEnds)
{
    const QString path = platform.programFile(settings::kFileName);
    QFile::remove(path);
    EXPECT_FALSE(start());
    ASSERT_TRUE(QFile::copy(QStringLiteral(KAVELLO_SOURCE_DIR "/../shared/testdata/jet4/access2000-table1.mdb"), path)
                || QFile::copy(qEnvironmentVariable("KAVELLO_TESTDATA") + QStringLiteral("/jet4/access2000-table1.mdb"), path));
    EXPECT_FALSE(start());  // an Access file without the settings table
    const Box missing{QStringLiteral("很抱歉，某文件缺失无法使用，请联系管理修正...！"), kSystem, 16};
    EXPECT_EQ(boxes.boxes(), (QList<Box>{missing, missing}));
    EXPECT_EQ(ended, 1);  // ending once is enough
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ClientLoginTest, StartupAgainstAStoppedServerSaysTheConnectionFailedAndNeverShowsTheWindow)
{
    ASSERT_TRUE(settings::update(platform.programFile(settings::kFileName), test::TestDatabase::unreachable()));
    EXPECT_FALSE(start());
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("系统连接失败......！"), kDefault, 16}}));
    EXPECT_EQ(ended, 1);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(ClientLoginTest, StartupReadsTheSettingsAndHidesTheFile)
{
    ASSERT_TRUE(start());
    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(context.settings(), db.settings());
    EXPECT_EQ(Platform::attributes(platform.programFile(settings::kFileName)), unsigned(AttrHidden | AttrSystem));
    EXPECT_EQ(skins::attachedSkin(), 90);  // the client always wears 90
    EXPECT_EQ(window.windowTitle(), QStringLiteral("用户登录"));
    EXPECT_EQ(window.size(), QSize(346, 168));
    saveScreenshot(&window, QStringLiteral("client-login"));
}

TEST_F(ClientLoginTest, RefusalsAndWrongCredentials)
{
    db.addAccount(QStringLiteral("abcdef"), QStringLiteral("Secret1"), QStringLiteral("safe123"));
    ASSERT_TRUE(start());
    const Box wrong{QStringLiteral("账号或密码错误！"), kSystem, 0};
    const struct {
        const char* account;
        const char* password;
        std::optional<Box> box;
    } cases[] = {
        {"", "Secret1", Box{QStringLiteral("账号密码不能为空"), kDefault, 0}},
        {"abcde", "Secret1", std::nullopt},  // five bytes: refused without a word
        {"abcdef", "Secret2", wrong},
        {"abcdef", "secret1", wrong},  // letter case counts
        {"ABCDEF", "Secret1", wrong},
        {"abcdef", "", wrong},
        {"abcdef", "Secret1😀", Box{ui::kUnsupportedCharacters, kSystem, 16}},
        {"abcdef😀", "Secret1", Box{ui::kUnsupportedCharacters, kSystem, 16}},
    };
    for (const auto& c : cases) {
        boxes.clear();
        login(QString::fromUtf8(c.account), QString::fromUtf8(c.password));
        if (c.box)
            EXPECT_EQ(boxes.boxes(), QList<Box>{*c.box}) << c.account << " / " << c.password;
        else
            EXPECT_TRUE(boxes.boxes().isEmpty()) << c.account;
    }
    EXPECT_FALSE(QFile::exists(context.marker().path()));
    EXPECT_TRUE(window.isVisible());
}

TEST_F(ClientLoginTest, AChineseAccountLogsInAndTheMarkerRecordsIt)
{
    db.addAccount(QStringLiteral("张三丰"), QStringLiteral("123456"), QStringLiteral("safe123"));
    int goodsAreaOpened = 0;
    window.openGoodsArea = [&] { ++goodsAreaOpened; };
    ASSERT_TRUE(start());
    login(QStringLiteral("张三丰"), QStringLiteral("123456"));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("登陆成功！"), kDefault, 0}}));
    EXPECT_EQ(goodsAreaOpened, 1);
    EXPECT_FALSE(window.isVisible());

    const QString marker = context.marker().path();
    EXPECT_EQ(Platform::readFile(marker), text::toGbk(QStringLiteral("张三丰-928d9efb0bc7fb15b7234f7f12dd97d1")));
    EXPECT_EQ(Platform::attributes(marker), unsigned(AttrHidden | AttrSystem));

    // Switching account: the hidden marker of the first login does not stop the second.
    db.addAccount(QStringLiteral("second-user"), QStringLiteral("pw-2"), QStringLiteral("safe123"));
    window.show();
    boxes.clear();
    login(QStringLiteral("second-user"), QStringLiteral("pw-2"));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("登陆成功！"), kDefault, 0}}));
    EXPECT_EQ(context.marker().readName(), QStringLiteral("second-user"));
    EXPECT_EQ(context.marker().readDigest(),
              credentials::clientMarkerDigest(QStringLiteral("second-user"), *credentials::credentialDigest(QStringLiteral("pw-2"))));
    EXPECT_EQ(goodsAreaOpened, 2);
}

TEST_F(ClientLoginTest, EveryAccountLogsInWhateverItsLevelFlagOrPassword)
{
    db.addAccount(QStringLiteral("nopassword"), QString(), QStringLiteral("safe123"));
    db.addAccount(QStringLiteral("admin01"), QStringLiteral("adminpw"), QStringLiteral("safe123"), 1);
    db.addAccount(QStringLiteral("frozen01"), QStringLiteral("frozenpw"), QStringLiteral("safe123"), 5, 1);
    ASSERT_TRUE(start());
    for (const auto& [account, password] : {std::pair{"nopassword", ""}, {"admin01", "adminpw"}, {"frozen01", "frozenpw"}}) {
        boxes.clear();
        window.show();
        login(QString::fromLatin1(account), QString::fromLatin1(password));
        EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("登陆成功！")}) << account;
    }
}

TEST_F(ClientLoginTest, AServerThatWentAwayIsReportedAsAConnectionFailureNotAWrongPassword)
{
    db.addAccount(QStringLiteral("abcdef"), QStringLiteral("Secret1"), QStringLiteral("safe123"));
    ASSERT_TRUE(start());
    context.settings() = test::TestDatabase::unreachable();
    login(QStringLiteral("abcdef"), QStringLiteral("Secret1"));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("系统连接失败......！"), kDefault, 16}}));

    // A database without the user table: the statement fails, same answer.
    boxes.clear();
    context.settings() = db.settings();
    db.exec(QStringLiteral("DROP TABLE `user`"));
    login(QStringLiteral("abcdef"), QStringLiteral("Secret1"));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("系统连接失败......！"), kDefault, 16}}));
}

TEST_F(ClientLoginTest, TopUpRefusesAndContactShowsTheMachineAddress)
{
    ASSERT_TRUE(start());
    test::click(test::child<QPushButton>(&window, QStringLiteral("topUpButton")));
    test::click(test::child<QPushButton>(&window, QStringLiteral("contactButton")));
    EXPECT_EQ(boxes.boxes(),
              (QList<Box>{{QStringLiteral("该功能尚未开发,请登陆充值!"), kSystem, 16},
                          {QStringLiteral("记录成功,防止恶意咨询,请登陆在商品界面后在点击联系管理！您的IP已被记录,当IP是：192.0.2.10"),
                           kSystem, 0}}));
}

TEST_F(ClientLoginTest, TheCloseBoxAsksAndYesEndsTheProgramLeavingTheMarker)
{
    ASSERT_TRUE(start());
    context.marker().write(QStringLiteral("abcdef"), QStringLiteral("digest"));
    boxes.answer(false);
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(ended, 0);
    boxes.answer(true);
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("是否退出程序？"), kSystem, 4},
                                         {QStringLiteral("是否退出程序？"), kSystem, 4},
                                         {QStringLiteral("欢迎您再次使用！"), kDefault, 0}}));
    EXPECT_TRUE(QFile::exists(context.marker().path()));
}
