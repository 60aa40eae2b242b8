#include "common/ProgramContext.h"
#include "common/Text.h"
#include "common/ui/UpgradeWindow.h"
#include "common/ui/VersionCheck.h"
#include "common/update/Manifest.h"
#include "tests/support/Modal.h"
#include "tests/support/ScriptedMessageBoxes.h"
#include "tests/support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace kav;
using test::Box;

namespace {
const QString kSystem = QStringLiteral("系统提示");

// A real HTTP server on a loopback port, serving the files of a directory
// (and its 404 page for anything else).
class HttpServer {
public:
    HttpServer()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        port_ = probe.serverPort();
        probe.close();
        process_.setProgram(QStringLiteral("python3"));
        process_.setArguments({QStringLiteral("-m"), QStringLiteral("http.server"), QString::number(port_),
                               QStringLiteral("--bind"), QStringLiteral("127.0.0.1"), QStringLiteral("--directory"),
                               dir_.path()});
        process_.start();
        for (int i = 0; i < 100; ++i) {
            QTcpSocket socket;
            socket.connectToHost(QHostAddress::LocalHost, port_);
            if (socket.waitForConnected(100))
                return;
            QThread::msleep(50);
        }
        ADD_FAILURE() << "the test HTTP server did not start";
    }
    ~HttpServer()
    {
        process_.kill();
        process_.waitForFinished();
    }
    void put(const QString& name, const QByteArray& bytes)
    {
        QFile f(QDir(dir_.path()).filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QString url(const QString& name) const { return QStringLiteral("http://127.0.0.1:%1/%2").arg(port_).arg(name); }

private:
    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
};

QByteArray gbk(const QString& s) { return *text::toGbk(s); }
}  // namespace

class VersionCheckTest : public ::testing::Test {
protected:
    VersionCheckTest() { context.onEnd = [this] { ++ended; }; }
    ~VersionCheckTest() override { qunsetenv("KAVELLO_MANIFEST_URL"); }
    void serveManifest(const QString& text)
    {
        server.put(QStringLiteral("version.txt"), gbk(text));
        qputenv("KAVELLO_MANIFEST_URL", server.url(QStringLiteral("version.txt")).toUtf8());
    }
    QString download() const { return Platform::join(platform.desktopDirectory(), QStringLiteral("Kavello.exe")); }

    HttpServer server;
    test::TestPlatform platform;
    test::ScriptedMessageBoxes boxes;
    ProgramContext context{platform};
    QWidget login;
    int ended = 0;
};

TEST(Manifest, SplitsAtEveryTripleStarDroppingATrailingEmptyPiece)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"版本1.0", {QStringLiteral("版本1.0")}},
        {"版本1.1***说明***http://x/a.exe", {QStringLiteral("版本1.1"), QStringLiteral("说明"), QStringLiteral("http://x/a.exe")}},
        {"版本1.1***说明***", {QStringLiteral("版本1.1"), QStringLiteral("说明")}},
        {"a******b", {QStringLiteral("a"), QString(), QStringLiteral("b")}},
        {"", {}},
    };
    for (const auto& [text, elements] : cases)
        EXPECT_EQ(update::splitManifest(gbk(QString::fromUtf8(text))), elements) << text;
}

TEST_F(VersionCheckTest, TheSameVersionGoesOnSilently)
{
    serveManifest(QStringLiteral("版本1.0"));
    EXPECT_TRUE(versioncheck::atStartup(context, &login, versioncheck::kClientUpgradeTitle));
    EXPECT_TRUE(boxes.boxes().isEmpty());
    versioncheck::onDemand(context, nullptr, versioncheck::kConsoleUpgradeTitle);
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("已经是最新版本,无需升级!"), kSystem, 16}}));
    EXPECT_EQ(ended, 0);
}

TEST_F(VersionCheckTest, NoManifestMeansNoNewerVersionButOnDemandSaysSo)
{
    for (const QString& url : {QStringLiteral("http://127.0.0.1:9/version.txt"),  // server down
                               server.url(QStringLiteral("missing.txt"))}) {      // an error page
        qputenv("KAVELLO_MANIFEST_URL", url.toUtf8());
        boxes.clear();
        EXPECT_TRUE(versioncheck::atStartup(context, &login, versioncheck::kClientUpgradeTitle));
        EXPECT_TRUE(boxes.boxes().isEmpty());
        versioncheck::onDemand(context, nullptr, versioncheck::kConsoleUpgradeTitle);
        EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("无法连接升级服务器,请检查网络或稍后再试!"), kSystem, 16}}));
    }
    serveManifest(QString());  // an empty body names no version
    EXPECT_TRUE(versioncheck::atStartup(context, &login, versioncheck::kClientUpgradeTitle));
    EXPECT_EQ(ended, 0);
}

TEST_F(VersionCheckTest, AnyOtherFirstElementAsksAndNoEndsTheProgram)
{
    for (const QString& version : {QStringLiteral("版本1.1"), QStringLiteral("版本1.0 ")}) {
        serveManifest(version);
        boxes.answer(false);
        EXPECT_FALSE(versioncheck::atStartup(context, &login, versioncheck::kClientUpgradeTitle));
        EXPECT_EQ(boxes.last(), (Box{QStringLiteral("发现新版本,是否进行升级？"), kSystem, 4}));
    }
    boxes.answer(false);
    versioncheck::onDemand(context, nullptr, versioncheck::kConsoleUpgradeTitle);
    EXPECT_EQ(boxes.boxes().size(), 3);
    EXPECT_GE(ended, 1);
}

TEST_F(VersionCheckTest, YesDownloadsTheNewProgramToTheDesktopAndClosingEndsTheProgram)
{
    const QByteArray program(300000, 'k');
    server.put(QStringLiteral("Kavello-1.1.exe"), program);
    serveManifest(QStringLiteral("版本1.1***修复了若干问题\r\n新增公告功能***") + server.url(QStringLiteral("Kavello-1.1.exe")));
    login.show();
    boxes.answer(true);
    QString notes, title;
    test::whenModal<UpgradeWindow>([&](UpgradeWindow* w) {
        notes = w->notes();
        title = w->windowTitle();
        w->close();
    });
    EXPECT_FALSE(versioncheck::atStartup(context, &login, versioncheck::kClientUpgradeTitle));
    EXPECT_FALSE(login.isVisible());
    EXPECT_EQ(title, QStringLiteral("版本升级"));
    EXPECT_EQ(notes, QStringLiteral("修复了若干问题\r\n新增公告功能"));
    EXPECT_EQ(Platform::readFile(download()), program);
    EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("发现新版本,是否进行升级？"), kSystem, 4},
                                         {QStringLiteral("下载成功,请在桌面允许程序!"), kSystem, 64}}));
    EXPECT_GE(ended, 1);
}

TEST_F(VersionCheckTest, AFailedDownloadWritesNothingAndSaysSo)
{
    for (const QString& address : {QStringLiteral("http://127.0.0.1:9/Kavello.exe"), server.url(QStringLiteral("gone.exe"))}) {
        serveManifest(QStringLiteral("版本1.1***说明***") + address);
        boxes.clear();
        UpgradeWindow w(context, versioncheck::kConsoleUpgradeTitle);
        w.fetch();
        EXPECT_EQ(w.notes(), QStringLiteral("说明"));
        EXPECT_EQ(boxes.boxes(), (QList<Box>{{QStringLiteral("下载更新失败,请联系作者:Orvane!"), kSystem, 16}})) << address.toStdString();
        EXPECT_FALSE(QFile::exists(download()));
    }
}

TEST_F(VersionCheckTest, FewerThanThreeElementsShowTheNotesAndDownloadNothing)
{
    serveManifest(QStringLiteral("版本1.1***只有说明"));
    UpgradeWindow w(context, versioncheck::kClientUpgradeTitle);
    w.fetch();
    EXPECT_EQ(w.notes(), QStringLiteral("只有说明"));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("没有提供下载地址")));
    EXPECT_FALSE(QFile::exists(download()));
    w.close();
    EXPECT_EQ(ended, 1);
}
