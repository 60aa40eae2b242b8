#include "common/platform/Platform.h"
#include "common/settings/SettingsFile.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/TestPlatform.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <gtest/gtest.h>

using namespace kav;

namespace {
struct ProcessRun {
    int exitCode = -1;
    QString out;
    QString err;
};
ProcessRun run(const QString& program, const QStringList& args, const QByteArray& input = {})
{
    QProcess p;
    p.start(program, args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(30000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}
QString testdata(const QString& name)
{
    const QString dir = qEnvironmentVariable("KAVELLO_TESTDATA", QStringLiteral(KAVELLO_SOURCE_DIR "/../shared/testdata"));
    return QDir(dir).filePath(QStringLiteral("jet4/") + name);
}
const ConnectionSettings kSample{QStringLiteral("db.example.cn"), QStringLiteral("店主"), QStringLiteral("p'a\"ss,word"),
                                 QStringLiteral("kavello"), 3307};
}  // namespace

TEST(SettingsFile, RoundTripReadsBackAndTheCommandLinePeersAgree)
{
    test::TestPlatform platform;
    const QString path = platform.programFile(settings::kFileName);
    ASSERT_TRUE(settings::create(path, kSample));
    EXPECT_EQ(settings::read(path), kSample);

    EXPECT_EQ(run(QStringLiteral("mdb-ver"), {path}).out.trimmed(), QStringLiteral("JET4"));
    EXPECT_EQ(run(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), path}).out.trimmed(), QStringLiteral("mysql"));
    const QString schema = run(QStringLiteral("mdb-schema"), {path}).out;
    for (const char* column : {"[ID]\t\t\tLong Integer", "[ip]\t\t\tText (255)", "[pass]", "[mysqlname]", "[port]\t\t\tLong Integer"})
        EXPECT_TRUE(schema.contains(QString::fromUtf8(column))) << column << "\n" << schema.toStdString();
    const ProcessRun exported = run(QStringLiteral("mdb-export"), {path, QStringLiteral("mysql")});
    EXPECT_EQ(exported.exitCode, 0);
    EXPECT_EQ(exported.out, QStringLiteral("ID,ip,username,pass,mysqlname,port\n"
                                           "1,\"db.example.cn\",\"店主\",\"p'a\"\"ss,word\",\"kavello\",3307\n"));
}

TEST(SettingsFile, UpdateReplacesTheWholeFileAndKeepsItsAttributes)
{
    test::TestPlatform platform;
    const QString path = platform.programFile(settings::kFileName);
    ASSERT_TRUE(settings::create(path, kSample));
    Platform::setAttributes(path, AttrHidden | AttrSystem);
    ConnectionSettings changed = kSample;
    changed.pass.clear();
    changed.ip = QStringLiteral("127.0.0.1");
    ASSERT_TRUE(settings::update(path, changed));
    EXPECT_EQ(settings::read(path), changed);
    EXPECT_EQ(Platform::attributes(path), unsigned(AttrHidden | AttrSystem));
    EXPECT_EQ(QDir(platform.programDirectory()).entryList(QDir::Files | QDir::Hidden), QStringList{settings::kFileName})
        << "no temporary file left behind";

    const QString missing = platform.programFile(QStringLiteral("other.mdb"));
    QString error;
    EXPECT_FALSE(settings::update(missing, changed, &error));
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_FALSE(error.isEmpty());
    ConnectionSettings tooLong = kSample;
    tooLong.ip = QString(300, QLatin1Char('x'));
    EXPECT_FALSE(settings::create(path, tooLong, &error));
    EXPECT_EQ(settings::read(path), changed);  // the old file stays whole
}

TEST(SettingsFile, RealAccessFilesWithoutTheSettingsTableAreRefused)
{
    for (const char* name : {"access2000-empty.mdb", "access2000-table1.mdb", "access2000-fixedtext.mdb",
                             "access2003-unicode.mdb"}) {
        const QString path = testdata(QString::fromLatin1(name));
        ASSERT_TRUE(QFile::exists(path)) << name;
        QString error;
        EXPECT_FALSE(settings::read(path, &error)) << name;
        EXPECT_FALSE(error.isEmpty());
    }
}

TEST(SettingsFile, DamagedOrTruncatedFilesAreRefusedWithoutACrash)
{
    test::TestPlatform platform;
    const QString good = platform.programFile(QStringLiteral("good.mdb"));
    ASSERT_TRUE(settings::create(good, kSample));
    const QByteArray bytes = *Platform::readFile(good);
    QList<QPair<QByteArray, QString>> damaged;
    damaged << qMakePair(QByteArray(), QStringLiteral("empty"))
            << qMakePair(bytes.left(100), QStringLiteral("header only"))
            << qMakePair(bytes.left(4096 * 3), QStringLiteral("truncated after the catalog definition"))
            << qMakePair(bytes.left(bytes.size() - 1), QStringLiteral("last byte missing"))
            << qMakePair(QByteArray(bytes.size(), '\xff'), QStringLiteral("noise"));
    // Scribbles over each structure the reader walks.
    for (int offset : {0x14, 4096 + 14, 2 * 4096 + 45, 2 * 4096 + 63, 3 * 4096 + 12, 4 * 4096 + 55, 5 * 4096 + 14,
                       5 * 4096 + 4096 - 8}) {
        QByteArray b = bytes;
        for (int i = 0; i < 4; ++i)
            b[offset + i] = '\xff';
        damaged << qMakePair(b, QStringLiteral("ff at %1").arg(offset));
    }
    for (const auto& [content, what] : damaged) {
        const QString path = platform.programFile(QStringLiteral("damaged.mdb"));
        QFile::remove(path);
        ASSERT_TRUE(Platform::writeFile(path, content));
        const auto read = settings::read(path);  // must return, whatever it finds
        if (read)
            EXPECT_NE(*read, kSample) << what.toStdString() << " read back as intact";
    }
    EXPECT_FALSE(settings::read(platform.programFile(QStringLiteral("absent.mdb"))));
}

TEST(SettingsTool, ShowSetAndCreateWithClearErrors)
{
    test::TestPlatform platform;
    const QString tool = QStringLiteral(KAVELLO_BIN_DIR "/kavello-settings");
    const QString dir = platform.programDirectory();

    ProcessRun r = run(tool, {QStringLiteral("--dir"), dir, QStringLiteral("show")});
    EXPECT_NE(r.exitCode, 0);
    EXPECT_FALSE(r.err.isEmpty());

    EXPECT_EQ(run(tool, {QStringLiteral("--dir"), dir, QStringLiteral("create"), QStringLiteral("mysqlname=shop")}).exitCode, 0);
    r = run(tool, {QStringLiteral("--dir"), dir, QStringLiteral("show")});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, QStringLiteral("ip=127.0.0.1\nusername=root\npass=\nmysqlname=shop\nport=3306\n"));

    EXPECT_EQ(run(tool, {QStringLiteral("--dir"), dir, QStringLiteral("set"), QStringLiteral("pass=s3cret"),
                         QStringLiteral("port=3310")}).exitCode, 0);
    const auto s = settings::read(platform.programFile(settings::kFileName));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->pass, QStringLiteral("s3cret"));
    EXPECT_EQ(s->port, 3310);

    for (const QStringList& bad : {QStringList{QStringLiteral("set"), QStringLiteral("port=abc")},
                                   QStringList{QStringLiteral("set"), QStringLiteral("colour=red")},
                                   QStringList{QStringLiteral("set"), QStringLiteral("novalue")},
                                   QStringList{QStringLiteral("set")}, QStringList{QStringLiteral("frobnicate")}}) {
        r = run(tool, QStringList{QStringLiteral("--dir"), dir} + bad);
        EXPECT_NE(r.exitCode, 0) << bad.join(' ').toStdString();
        EXPECT_FALSE(r.err.isEmpty());
    }
    EXPECT_EQ(settings::read(platform.programFile(settings::kFileName)), s) << "refused commands change nothing";

    // The current directory is the default.
    QProcess p;
    p.setWorkingDirectory(dir);
    p.start(tool, {QStringLiteral("show")});
    p.waitForFinished();
    EXPECT_TRUE(QString::fromUtf8(p.readAllStandardOutput()).contains(QStringLiteral("pass=s3cret")));
}

TEST(SettingsFile, TheDeliveredFileHoldsOneRowWithIdOne)
{
    const QString delivered = QStringLiteral(KAVELLO_BIN_DIR "/connfig.mdb");
    ASSERT_TRUE(settings::read(delivered));
    const ProcessRun exported = run(QStringLiteral("mdb-export"), {delivered, QStringLiteral("mysql")});
    const QStringList lines = exported.out.trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("1,")));
}
