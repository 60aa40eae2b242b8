#include "SettingsFile.h"

#include "JetWriter.h"
#include "common/platform/Platform.h"

#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <glib.h>  // before mdbtools.h: its header opens extern "C" around glib
#include <mdbtools.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <cstdlib>

namespace kav::settings {
namespace {

constexpr int kReadTimeoutMs = 5000;
const char* const kColumns[] = {"ip", "username", "pass", "mysqlname", "port"};

// Runs in the child: reads the settings with libmdb and writes them to fd as
// five length-prefixed UTF-8 texts. Exit status 0 on success.
int readInChild(const QByteArray& path, int fd)
{
    MdbHandle* mdb = mdb_open(path.constData(), MDB_NOFLAGS);
    if (!mdb)
        return 2;
    if (!mdb_read_catalog(mdb, MDB_TABLE))
        return 3;
    MdbTableDef* table = mdb_read_table_by_name(mdb, const_cast<gchar*>("mysql"), MDB_TABLE);
    if (!table)
        return 4;
    if (!mdb_read_columns(table))
        return 5;
    mdb_rewind_table(table);
    std::vector<std::vector<char>> buffers;
    for (const char* name : kColumns) {
        buffers.emplace_back(static_cast<size_t>(mdb->bind_size) + 1, '\0');
        if (mdb_bind_column_by_name(table, const_cast<gchar*>(name), buffers.back().data(), nullptr) < 1)
            return 6;
    }
    if (!mdb_fetch_row(table))
        return 7;
    QByteArray out;
    for (const auto& b : buffers) {
        const QByteArray value(b.data());
        const quint32 n = static_cast<quint32>(value.size());
        out.append(reinterpret_cast<const char*>(&n), sizeof n);
        out.append(value);
    }
    qsizetype written = 0;
    while (written < out.size()) {
        const ssize_t w = ::write(fd, out.constData() + written, static_cast<size_t>(out.size() - written));
        if (w <= 0)
            return 8;
        written += w;
    }
    return 0;
}

bool fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

// Cheap checks before handing the file to libmdb.
bool looksLikeJet4(const QString& path, QString* error)
{
    QFile f(path);
    if (!f.exists())
        return fail(error, QStringLiteral("%1 does not exist").arg(path));
    if (!f.open(QIODevice::ReadOnly))
        return fail(error, QStringLiteral("%1 cannot be opened: %2").arg(path, f.errorString()));
    const QByteArray head = f.read(0x18);
    if (f.size() < 3 * 4096 || head.size() < 0x18 || head.mid(4, 15) != "Standard Jet DB")
        return fail(error, QStringLiteral("%1 is not an Access database").arg(path));
    if (head.at(0x14) != 1 && head.at(0x14) != 2 && head.at(0x14) != 3)
        return fail(error, QStringLiteral("%1 is not a Jet 4 database").arg(path));
    return true;
}

}  // namespace

std::optional<ConnectionSettings> read(const QString& path, QString* error)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    if (!looksLikeJet4(absolute, error))
        return std::nullopt;
    int fds[2];
    if (pipe(fds) != 0) {
        fail(error, QStringLiteral("cannot create a pipe"));
        return std::nullopt;
    }
    const QByteArray nativePath = QFile::encodeName(absolute);
    const pid_t child = fork();
    if (child < 0) {
        close(fds[0]);
        close(fds[1]);
        fail(error, QStringLiteral("cannot start the reader"));
        return std::nullopt;
    }
    if (child == 0) {
        close(fds[0]);
        // libmdb complains on stderr about damaged files; the parent reports.
        if (!qEnvironmentVariableIsSet("KAVELLO_DEBUG_SETTINGS")) {
            const int devnull = ::open("/dev/null", O_WRONLY);
            if (devnull >= 0)
                dup2(devnull, STDERR_FILENO);
        }
        unsetenv("MDBPATH");
        _exit(readInChild(nativePath, fds[1]));
    }
    close(fds[1]);
    QByteArray data;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kReadTimeoutMs);
    bool timedOut = false;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) {
            timedOut = true;
            break;
        }
        pollfd p{fds[0], POLLIN, 0};
        const int r = poll(&p, 1, static_cast<int>(left));
        if (r < 0 && errno == EINTR)
            continue;
        if (r <= 0) {
            timedOut = r == 0;
            break;
        }
        char buf[4096];
        const ssize_t n = ::read(fds[0], buf, sizeof buf);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        data.append(buf, static_cast<int>(n));
    }
    close(fds[0]);
    if (timedOut)
        kill(child, SIGKILL);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (timedOut || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        fail(error, timedOut ? QStringLiteral("%1 could not be read in time").arg(absolute)
                             : QStringLiteral("%1 is damaged or holds no settings (table mysql)").arg(absolute));
        return std::nullopt;
    }
    QStringList values;
    qsizetype at = 0;
    while (values.size() < 5) {
        quint32 n = 0;
        if (at + static_cast<qsizetype>(sizeof n) > data.size())
            break;
        memcpy(&n, data.constData() + at, sizeof n);
        at += sizeof n;
        if (at + n > data.size())
            break;
        values << QString::fromUtf8(data.mid(at, n));
        at += n;
    }
    if (values.size() != 5) {
        fail(error, QStringLiteral("%1 could not be read").arg(absolute));
        return std::nullopt;
    }
    ConnectionSettings s;
    s.ip = values[0];
    s.username = values[1];
    s.pass = values[2];
    s.mysqlname = values[3];
    s.port = static_cast<int>(values[4].trimmed().toLongLong());
    return s;
}

bool create(const QString& path, const ConnectionSettings& s, QString* error)
{
    for (const QString* text : {&s.ip, &s.username, &s.pass, &s.mysqlname})
        if (text->size() > kMaxTextChars)
            return fail(error, QStringLiteral("a setting is longer than %1 characters").arg(kMaxTextChars));
    using T = jet::Column::Type;
    jet::Table table;
    table.name = QStringLiteral("mysql");
    table.columns = {{QStringLiteral("ID"), T::Long, 0},
                     {QStringLiteral("ip"), T::Text, kMaxTextChars},
                     {QStringLiteral("username"), T::Text, kMaxTextChars},
                     {QStringLiteral("pass"), T::Text, kMaxTextChars},
                     {QStringLiteral("mysqlname"), T::Text, kMaxTextChars},
                     {QStringLiteral("port"), T::Long, 0}};
    table.rows = {{qint32(1), s.ip, s.username, s.pass, s.mysqlname, qint32(s.port)}};
    const QByteArray bytes = jet::buildDatabase(table);
    if (bytes.isEmpty())
        return fail(error, QStringLiteral("the settings do not fit the file layout"));

    const unsigned attributes = QFileInfo::exists(path) ? Platform::attributes(path) : 0;
    QSaveFile file(path);
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error, QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()));
    file.write(bytes);
    if (!file.commit())
        return fail(error, QStringLiteral("%1 cannot be written: %2").arg(path, file.errorString()));
    if (attributes)
        Platform::setAttributes(path, attributes);
    return true;
}

bool update(const QString& path, const ConnectionSettings& settings, QString* error)
{
    if (!read(path, error))
        return false;
    return create(path, settings, error);
}

}  // namespace kav::settings
