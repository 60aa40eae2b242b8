// kavello-settings: reads and writes connfig.mdb for operators and scripts.
#include "common/settings/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <cstdio>

namespace {

const char* const kUsage =
    "usage: kavello-settings [--dir DIR] COMMAND\n"
    "\n"
    "Commands (DIR defaults to the current directory):\n"
    "  show                 print the five settings of DIR/connfig.mdb\n"
    "  set KEY=VALUE...     change settings of an existing DIR/connfig.mdb\n"
    "  create [KEY=VALUE...] write a fresh DIR/connfig.mdb (unset keys: ip=127.0.0.1,\n"
    "                       username=root, pass empty, mysqlname=kavello, port=3306)\n"
    "\n"
    "Keys: ip, username, pass, mysqlname, port.\n";

void print(FILE* to, const QString& text) { std::fputs(text.toLocal8Bit().constData(), to); }

int failWith(const QString& message)
{
    print(stderr, QStringLiteral("kavello-settings: %1\n").arg(message));
    return 1;
}

// Applies KEY=VALUE arguments; false with a message on a bad one.
bool apply(const QStringList& assignments, kav::ConnectionSettings& s, QString& error)
{
    for (const QString& a : assignments) {
        const qsizetype eq = a.indexOf(QLatin1Char('='));
        if (eq <= 0) {
            error = QStringLiteral("'%1' is not KEY=VALUE").arg(a);
            return false;
        }
        const QString key = a.left(eq);
        const QString value = a.mid(eq + 1);
        if (key == QLatin1String("ip"))
            s.ip = value;
        else if (key == QLatin1String("username"))
            s.username = value;
        else if (key == QLatin1String("pass"))
            s.pass = value;
        else if (key == QLatin1String("mysqlname"))
            s.mysqlname = value;
        else if (key == QLatin1String("port")) {
            bool ok = false;
            const int port = value.toInt(&ok);
            if (!ok || port < 0 || port > 65535) {
                error = QStringLiteral("port must be a number from 0 to 65535, not '%1'").arg(value);
                return false;
            }
            s.port = port;
        } else {
            error = QStringLiteral("unknown key '%1' (keys: ip, username, pass, mysqlname, port)").arg(key);
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString directory = QDir::currentPath();
    if (args.size() >= 2 && (args.first() == QLatin1String("--dir") || args.first() == QLatin1String("-C"))) {
        directory = args.at(1);
        args = args.mid(2);
    }
    if (args.isEmpty() || args.first() == QLatin1String("--help") || args.first() == QLatin1String("-h")) {
        std::fputs(kUsage, args.isEmpty() ? stderr : stdout);
        return args.isEmpty() ? 2 : 0;
    }
    const QString command = args.takeFirst();
    const QString path = QDir(directory).absoluteFilePath(kav::settings::kFileName);
    QString error;

    if (command == QLatin1String("show")) {
        if (!args.isEmpty())
            return failWith(QStringLiteral("show takes no arguments"));
        const auto s = kav::settings::read(path, &error);
        if (!s)
            return failWith(error);
        print(stdout, QStringLiteral("ip=%1\nusername=%2\npass=%3\nmysqlname=%4\nport=%5\n")
                          .arg(s->ip, s->username, s->pass, s->mysqlname)
                          .arg(s->port));
        return 0;
    }
    if (command == QLatin1String("set")) {
        if (args.isEmpty())
            return failWith(QStringLiteral("set needs KEY=VALUE arguments"));
        auto s = kav::settings::read(path, &error);
        if (!s)
            return failWith(error);
        if (!apply(args, *s, error) || !kav::settings::update(path, *s, &error))
            return failWith(error);
        return 0;
    }
    if (command == QLatin1String("create")) {
        kav::ConnectionSettings s{QStringLiteral("127.0.0.1"), QStringLiteral("root"), QString(),
                                  QStringLiteral("kavello"), 3306};
        if (!apply(args, s, error) || !kav::settings::create(path, s, &error))
            return failWith(error);
        return 0;
    }
    return failWith(QStringLiteral("unknown command '%1'\n%2").arg(command, QString::fromLatin1(kUsage)));
}
