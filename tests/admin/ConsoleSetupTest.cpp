#include "admin/AdminLoginWindow.h"
#include "admin/AdminSetupWindow.h"
#include "admin/Console.h"
#include "admin/DatabaseConfigWindow.h"
#include "admin/SchemaImportWindow.h"
#include "common/Credentials.h"
#include "common/Schema.h"
#include "common/Text.h"
#include "tests/support/Modal.h"
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
const QString kAskAdmin = QStringLiteral("是否配置管理员？只有配置管理员才能使用哦~");
}  // namespace

class ConsoleSetupTest : public test::WindowTest {
protected:
    ConsoleSetupTest() { context.settings() = db.settings(); }
    QStringList tables()
    {
        QStringList names;
        auto r = db.admin().query(Statement("SHOW TABLES"));
        if (r)
            rowWalk(*r, [&](const StoreResult& row) {
                QString n;
                row.readField(row.columns().value(0), n);
                names << n;
            });
        names.sort();
        return names;
    }
    static QStringList allTables()
    {
        QStringList names;
        for (const auto& s : schema::createStatements())
            names << QString::fromLatin1(s.table);
        names.sort();
        return names;
    }
    Console console{context};
};

// ------------------------------------------------------------ configuration

TEST_F(ConsoleSetupTest, OpeningPromptsWriteThePrimerAndShowItASecondLater)
{
    DatabaseConfigWindow window(console);
    boxes.answers({false, true, true});  // no video, read the help, configure
    ASSERT_TRUE(window.greet());
    EXPECT_EQ(boxes.boxes(),
              (QList<Box>{{QStringLiteral("亲，接下来将需要配置数据库，请问是否需要配置数据库的视频？"), kKind, 4},
                          {QStringLiteral("是否需要阅读帮助文档？"), kKind, 4},
                          {QStringLiteral("错误!帮助文档不存在，请手工打开解压包中的帮助文档！"), kSystem, 16},
                          {QStringLiteral("必须配置才能使用！若不懂可以联系作者！"), kSystem, 4}}));
    const QString primer = Platform::join(platform.desktopDirectory(), DatabaseConfigWindow::primerFileName());
    const auto bytes = Platform::readFile(primer);
    ASSERT_TRUE(bytes);
    const auto text = text::fromGbk(*bytes);
    ASSERT_TRUE(text) << "the primer is GBK";
    EXPECT_EQ(bytes->count("\r\n"), bytes->count('\n')) << "every line ends in CRLF";
    for (const char* heading : {"--------------什么是数据库IP？--------------", "--------------什么是用户账号？--------------",
                                "--------------什么是数据库名？--------------", "--------------什么是数据密码？--------------",
                                "--------------什么是数据端口？--------------", "127.0.0.1", "3306", "Orvane"})
        EXPECT_TRUE(text->contains(QString::fromUtf8(heading))) << heading;
    EXPECT_TRUE(window.primerTimer().isActive());
    EXPECT_EQ(window.primerTimer().interval(), 1000);
    saveScreenshot(&window, QStringLiteral("admin-config"));
    window.showPrimer();
    EXPECT_FALSE(window.primerTimer().isActive());
    EXPECT_EQ(platform.openedFiles, QStringList{primer});
}

TEST_F(ConsoleSetupTest, VideoHelpAndDeclining)
{
    ASSERT_TRUE(Platform::writeFile(platform.programFile(QStringLiteral("帮助文档.doc")), "{\\rtf1 }"));
    {
        DatabaseConfigWindow window(console);
        boxes.answers({true, true, true, true});  // video, agree to QQ, help, configure
        ASSERT_TRUE(window.greet());
        ASSERT_EQ(platform.openedUrls.size(), 1);
        EXPECT_TRUE(platform.openedUrls[0].toString().contains(QStringLiteral("uin=Orvane")));
        EXPECT_EQ(platform.openedFiles.value(0), platform.programFile(QStringLiteral("帮助文档.doc")));
    }
    {
        boxes.clear();
        DatabaseConfigWindow window(console);
        boxes.answers({true, false, false, true});  // video, refuse QQ, no help, configure
        ASSERT_TRUE(window.greet());
        EXPECT_TRUE(boxes.boxes().value(2).text.startsWith(QStringLiteral("很遗憾,您选择了放弃,您也可以通过邮箱联系作者索取教程!")));
        EXPECT_EQ(boxes.boxes().value(2).flags, 64);
    }
    {
        boxes.clear();
        DatabaseConfigWindow window(console);
        boxes.answers({false, false, false});  // decline configuring
        EXPECT_FALSE(window.greet());
        EXPECT_EQ(boxes.last(), (Box{QStringLiteral("很遗憾,您没能使用成功！"), kSystem, 0}));
        EXPECT_EQ(ended, 1);
    }
}

TEST_F(ConsoleSetupTest, BadInputIsRefusedAndChangesNothing)
{
    DatabaseConfigWindow window(console);
    const auto before = settings::read(platform.programFile(settings::kFileName));
    const QList<QPair<QList<QPair<const char*, QString>>, Box>> cases = {
        {{{"ipLineEdit", QString()}, {"userLineEdit", QStringLiteral("root")}},
         {QStringLiteral("数据库名，密码或端口不能为空！"), kSystem, 0}},
        {{{"ipLineEdit", QStringLiteral("127.0.0.1")}, {"userLineEdit", QStringLiteral("root")}, {"portLineEdit", QStringLiteral("33o6")}},
         {QStringLiteral("数据端口必须是0到65535之间的数字！"), kSystem, 16}},
        {{{"portLineEdit", QStringLiteral("70000")}}, {QStringLiteral("数据端口必须是0到65535之间的数字！"), kSystem, 16}},
        {{{"portLineEdit", QStringLiteral("3306")}, {"passwordLineEdit", QStringLiteral("pw😀")}},
         {QStringLiteral("输入的内容含有无法识别的字符(如表情符号),请删除后重新输入！"), kSystem, 16}},
    };
    for (const auto& [fields, box] : cases) {
        boxes.clear();
        test::fill(&window, fields);
        test::click(test::child<QPushButton>(&window, QStringLiteral("configureButton")));
        EXPECT_EQ(boxes.boxes(), QList<Box>{box});
    }
    EXPECT_EQ(settings::read(platform.programFile(settings::kFileName)), before);
}

TEST_F(ConsoleSetupTest, AFailedTestConnectionLeavesTheNewSettingsSaved)
{
    DatabaseConfigWindow window(console);
    const ConnectionSettings dead = test::TestDatabase::unreachable();
    test::fill(&window, {{"ipLineEdit", dead.ip}, {"userLineEdit", dead.username}, {"databaseLineEdit", QString()},
                   {"passwordLineEdit", QString()}, {"portLineEdit", QStringLiteral(" 9")}});
    test::click(test::child<QPushButton>(&window, QStringLiteral("configureButton")));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("写入权限成功！等待初始化数据库信息......！"), kDefault, 0},
                                         {QStringLiteral("数据库配置失败，请从新配置..."), kSystem, 0}}));
    const auto saved = settings::read(platform.programFile(settings::kFileName));
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->port, 9);
    EXPECT_EQ(saved->mysqlname, QString());
    EXPECT_EQ(context.settings(), *saved);
    EXPECT_EQ(test::child<QLineEdit>(&window, QStringLiteral("portLineEdit"))->text(), QStringLiteral("9"));
}

TEST_F(ConsoleSetupTest, FromAnEmptyDatabaseToALoginWindowWithoutTouchingSql)
{
    const ConnectionSettings s = db.settings();
    db.exec(QStringLiteral("DROP TABLE `user`, `shop_user`, `shop`, `save_money`, `qq`, `message`, `class`, `cdk`"));
    ASSERT_TRUE(tables().isEmpty());
    boxes.answers({false, false, true});  // opening prompts
    boxes.answers({false, true});         // the administrator prompt: No once, then Yes
    console.openConfiguration(false);
    DatabaseConfigWindow* config = console.configurationWindow();
    ASSERT_NE(config, nullptr);
    test::fill(config, {{"ipLineEdit", s.ip}, {"userLineEdit", s.username}, {"databaseLineEdit", s.mysqlname},
                  {"passwordLineEdit", s.pass}, {"portLineEdit", QString::number(s.port)}});

    bool setupSeen = false;
    test::whenModal<AdminSetupWindow>([&](AdminSetupWindow* setup) {
        setupSeen = true;
        EXPECT_FALSE(console.loginWindow().isVisible());
        test::fill(setup, {{"nameLineEdit", QStringLiteral("店长admin")}, {"passwordLineEdit", QStringLiteral("pass1234")},
                     {"confirmationLineEdit", QStringLiteral("pass1234")}, {"securityLineEdit", QStringLiteral("safe5678")}});
        test::click(test::child<QPushButton>(setup, QStringLiteral("setupButton")));
    }, 8000);
    test::click(test::child<QPushButton>(config, QStringLiteral("configureButton")));
    EXPECT_TRUE(setupSeen);

    EXPECT_EQ(boxes.texts(),
              (QStringList{QStringLiteral("亲，接下来将需要配置数据库，请问是否需要配置数据库的视频？"), QStringLiteral("是否需要阅读帮助文档？"),
                           QStringLiteral("必须配置才能使用！若不懂可以联系作者！"), QStringLiteral("写入权限成功！等待初始化数据库信息......！"),
                           QStringLiteral("恭喜您配置成功....！"),
                           QStringLiteral("稍后将自动为您导入数据库,若您的数据库网络连接较慢，可能会导致窗口消失一会，请不要担心与着急,"
                                          "系统自动配置完成后弹出提示！"),
                           QStringLiteral("初始化成功....等待写入数据库...."), QStringLiteral("所有表导入成功...！"), kAskAdmin,
                           QStringLiteral("亲，一定要配置管理员哦~"), kAskAdmin, QStringLiteral("配置管理员成功！")}));
    EXPECT_EQ(tables(), allTables());
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT CONCAT(`id`, ',', `qq`) FROM `qq`")), QStringLiteral("1,Orvane"));
    auto admin = db.admin().query(Statement("SELECT * FROM `user`"));
    ASSERT_TRUE(admin);
    ASSERT_EQ(admin->rowCount(), 1);
    QString name, password, pass, ip, nowip, date;
    int uid = 0, cid = 0;
    double money = -1;
    admin->readField(QStringLiteral("username"), name);
    admin->readField(QStringLiteral("password"), password);
    admin->readField(QStringLiteral("pass"), pass);
    admin->readField(QStringLiteral("ip"), ip);
    admin->readField(QStringLiteral("nowip"), nowip);
    admin->readField(QStringLiteral("date"), date);
    admin->readField(QStringLiteral("uid"), uid);
    admin->readField(QStringLiteral("cid"), cid);
    admin->readField(QStringLiteral("money"), money);
    EXPECT_EQ(name, QStringLiteral("店长admin"));
    EXPECT_EQ(password, credentials::credentialDigest(QStringLiteral("pass1234")));
    EXPECT_EQ(pass, credentials::credentialDigest(QStringLiteral("safe5678")));
    EXPECT_EQ(uid, 1);
    EXPECT_EQ(cid, 2);
    EXPECT_EQ(money, 0);
    EXPECT_EQ(ip, QStringLiteral("192.0.2.10"));
    EXPECT_EQ(nowip, ip);
    EXPECT_TRUE(date.contains(QStringLiteral("年")));
    EXPECT_TRUE(console.loginWindow().isVisible());
}

TEST_F(ConsoleSetupTest, AnEmptySettingAtStartUpOpensTheConfigurationAsADialog)
{
    ConnectionSettings s = db.settings();
    s.pass.clear();
    ASSERT_TRUE(settings::update(platform.programFile(settings::kFileName), s));
    boxes.answers({false, false, true});
    bool shown = false;
    test::whenModal<DatabaseConfigWindow>([&](DatabaseConfigWindow* w) {
        shown = true;
        EXPECT_FALSE(console.loginWindow().isVisible());
        w->close();  // the close box asks nothing
    });
    EXPECT_TRUE(console.start());
    EXPECT_TRUE(shown);
    EXPECT_TRUE(console.loginWindow().isVisible());
}

// ------------------------------------------------------------------- import

class ImportTest : public ConsoleSetupTest {
protected:
    bool import(SchemaImportWindow& window) { return window.runImport(); }
};

TEST_F(ImportTest, AnEmptyDatabaseGetsAllEightTablesAndTheContactRow)
{
    db.exec(QStringLiteral("DROP TABLE `user`, `shop_user`, `shop`, `save_money`, `qq`, `message`, `class`, `cdk`"));
    SchemaImportWindow window(console);
    ASSERT_TRUE(window.runImport());
    EXPECT_EQ(tables(), allTables());
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM `qq`")), QStringLiteral("1"));
    EXPECT_EQ(window.statusText(), SchemaImportWindow::fullSuccessText());
    EXPECT_TRUE(window.statusText().startsWith(QStringLiteral("user表自动导入成功...\r\n\r\nshop_user表自动导入成功...")));
    EXPECT_TRUE(window.statusText().contains(QStringLiteral("QQ表自动导入成功...")));
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("初始化成功....等待写入数据库...."), kSystem, 64},
                                         {QStringLiteral("所有表导入成功...！"), kKind, 64}}));
    EXPECT_TRUE(window.timer().isActive());
    EXPECT_EQ(window.timer().interval(), 1000);
    EXPECT_TRUE(context.connection().isOpen());
    saveScreenshot(&window, QStringLiteral("admin-import"));
}

TEST_F(ImportTest, EmptyTablesAllOrSomeAreRemovedAndCreatedAgain)
{
    // An old layout of an empty table is replaced by the shop's own.
    db.exec(QStringLiteral("ALTER TABLE `shop` ADD `extra` int"));
    db.exec(QStringLiteral("DROP TABLE `cdk`, `class`"));
    SchemaImportWindow window(console);
    ASSERT_TRUE(window.runImport());
    EXPECT_EQ(tables(), allTables());
    EXPECT_FALSE(db.admin().query(Statement("SELECT `extra` FROM `shop`")));
    EXPECT_EQ(window.statusText(), SchemaImportWindow::fullSuccessText());
}

TEST_F(ImportTest, TablesHoldingRowsAreKeptUnlessTheOperatorAgrees)
{
    db.addAccount(QStringLiteral("customer1"), QStringLiteral("pw123456"), QStringLiteral("sc123456"));
    db.exec(QStringLiteral("INSERT INTO `qq` VALUES (1, '12345')"));
    db.exec(QStringLiteral("DROP TABLE `cdk`"));
    {
        SchemaImportWindow window(console);
        boxes.answer(false);
        ASSERT_TRUE(window.runImport());
        const Box question = boxes.boxes().value(0);
        EXPECT_TRUE(question.text.contains(QStringLiteral("user、qq"))) << question.text.toStdString();
        EXPECT_TRUE(question.text.contains(QStringLiteral("删除")));
        EXPECT_EQ(question.flags & 0x0F, 4);
        EXPECT_EQ(tables(), allTables());
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT `username` FROM `user`")), QStringLiteral("customer1"));
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT GROUP_CONCAT(`qq`) FROM `qq`")), QStringLiteral("12345"));
        EXPECT_TRUE(window.statusText().contains(QStringLiteral("user表已存在,原有数据已保留...")));
        EXPECT_TRUE(window.statusText().contains(QStringLiteral("cdk表自动导入成功...")));
        EXPECT_EQ(boxes.last().text, QStringLiteral("所有表导入成功...！"));
    }
    {
        boxes.clear();
        SchemaImportWindow window(console);
        boxes.answer(true);
        ASSERT_TRUE(window.runImport());
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM `user`")), QStringLiteral("0"));
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT `qq` FROM `qq`")), QStringLiteral("Orvane"));
        EXPECT_EQ(window.statusText(), SchemaImportWindow::fullSuccessText());
    }
}

TEST_F(ImportTest, AKeptEmptyContactTableGetsTheDefaultRow)
{
    db.addAccount(QStringLiteral("customer1"), QStringLiteral("pw123456"), QStringLiteral("sc123456"));
    SchemaImportWindow window(console);
    boxes.answer(false);
    ASSERT_TRUE(window.runImport());
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT `qq` FROM `qq`")), QStringLiteral("Orvane"));
}

TEST_F(ImportTest, AnUnreachableServerCannotBeInitialised)
{
    ASSERT_TRUE(settings::update(platform.programFile(settings::kFileName), test::TestDatabase::unreachable()));
    SchemaImportWindow window(console);
    EXPECT_FALSE(window.runImport());
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("初始化失败,请手工初始化...."), kSystem, 16}}));
    EXPECT_FALSE(window.timer().isActive());
}

TEST_F(ImportTest, TheAdministratorPromptRepeatsUntilYes)
{
    SchemaImportWindow window(console);
    boxes.answers({false, false, false, true});
    bool setupOpened = false;
    test::whenModal<AdminSetupWindow>([&](AdminSetupWindow* setup) {
        setupOpened = true;
        boxes.answer(true);  // give up: back to the login window
        setup->close();
    });
    window.askForAdministrator();
    EXPECT_TRUE(setupOpened);
    EXPECT_EQ(boxes.texts().count(QStringLiteral("亲，一定要配置管理员哦~")), 3);
    EXPECT_EQ(boxes.texts().count(kAskAdmin), 4);
    EXPECT_TRUE(console.loginWindow().isVisible());
    EXPECT_EQ(ended, 0);
}

// -------------------------------------------------------------------- setup

TEST_F(ConsoleSetupTest, SetupChecksInOrderAndRefusesTakenNames)
{
    db.addAccount(QStringLiteral("customer1"), QStringLiteral("pw123456"), QStringLiteral("sc123456"));
    AdminSetupWindow setup(console);
    const struct {
        const char *name, *password, *confirmation, *security, *message;
    } cases[] = {
        {"", "", "", "", "所有项均不能为空！"},
        {"admin1", "", "x", "abcdefg", "所有项均不能为空！"},
        {"admin1", "12345", "12345", "safe123", "账号密码或安全码不能小于6位数！"},
        {"admin1", "admin1", "admin1", "safe123", "为了安全起见，账号密码不能相同！"},
        {"admin1", "pass123", "pass123", "pass123", "为了安全起见，账号或密码不能与安全码相同！"},
        {"admin1", "pass123", "Pass123", "safe123", "您的两次密码不同,请确认！"},
        {"customer1", "pass123", "pass123", "safe123", "该账号已被注册！"},
    };
    for (const auto& c : cases) {
        boxes.clear();
        test::fill(&setup, {{"nameLineEdit", QString::fromUtf8(c.name)}, {"passwordLineEdit", QString::fromUtf8(c.password)},
                      {"confirmationLineEdit", QString::fromUtf8(c.confirmation)},
                      {"securityLineEdit", QString::fromUtf8(c.security)}});
        test::click(test::child<QPushButton>(&setup, QStringLiteral("setupButton")));
        EXPECT_EQ(boxes.boxes(), (QList<Box>{{QString::fromUtf8(c.message), kDefault, 0}})) << c.name;
    }
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM `user`")), QStringLiteral("1"));
    saveScreenshot(&setup, QStringLiteral("admin-setup"));
}

TEST_F(ConsoleSetupTest, GivingUpTheSetupAsksAndYesShowsTheLoginWindowAgain)
{
    console.loginWindow().show();
    AdminSetupWindow setup(console);
    EXPECT_FALSE(console.loginWindow().isVisible());
    setup.show();
    boxes.answer(false);
    setup.close();
    EXPECT_TRUE(setup.isVisible());
    boxes.answer(true);
    setup.close();
    EXPECT_FALSE(setup.isVisible());
    EXPECT_TRUE(console.loginWindow().isVisible());
    EXPECT_EQ(boxes.texts(), QStringList(2, QStringLiteral("没有配置管理员您可能将无法使用该程序!是否放弃配置?")));
}
