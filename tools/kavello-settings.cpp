// kavello-settings: reads and writes connfig.mdb for operators and scripts.
#include "common/Accounts.h"
#include "common/SchemaSetup.h"
#include "common/StoreConnection.h"
#include "common/Text.h"
#include "common/platform/Platform.h"
#include "common/settings/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>

#include <QDateTime>
#include <QTextStream>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

const char* const kUsage =
    "usage: kavello-settings [--dir DIR] COMMAND\n"
    "\n"
    "Commands (DIR defaults to the current directory):\n"
    "  show                 print the five settings of DIR/connfig.mdb\n"
    "  set KEY=VALUE...     change settings of an existing DIR/connfig.mdb\n"
    "  create [--keep] [KEY=VALUE...]\n"
    "                       write a fresh DIR/connfig.mdb (unset keys: ip=127.0.0.1,\n"
    "                       username=root, pass empty, mysqlname=kavello, port=3306);\n"
    "                       --keep leaves a readable existing file as it is\n"
    "  init-schema          create the shop's missing tables on the configured\n"
    "                       database (never drops anything) and the default\n"
    "                       contact row when the contact table is empty\n"
    "  add-admin NAME       add an administrator; reads the password, its\n"
    "                       confirmation and the security password from standard\n"
    "                       input, one per line\n"
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

int initSchema(kav::StoreConnection& connection, const QStringList& args)
{
    if (!args.isEmpty())
        return failWith(QStringLiteral("init-schema takes no arguments"));
    const auto report = kav::schema::createMissingTables(connection);
    if (!report.ok())
        return failWith(QStringLiteral("creating table %1 failed: %2").arg(report.failed, connection.lastError()));
    print(stdout, report.created.isEmpty() ? QStringLiteral("all tables already exist\n")
                                           : QStringLiteral("created: %1\n").arg(report.created.join(QStringLiteral(", "))));
    return 0;
}

int addAdministrator(kav::StoreConnection& connection, const QStringList& args)
{
    if (args.size() != 1)
        return failWith(QStringLiteral("add-admin takes the administrator's name"));
    const QString name = args.first();
    QStringList secrets;
    std::string line;
    for (int i = 0; i < 3 && std::getline(std::cin, line); ++i) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        secrets << QString::fromLocal8Bit(line.c_str());
    }
    if (secrets.size() != 3)
        return failWith(QStringLiteral("standard input must hold the password, its confirmation and the security "
                                       "password, one per line"));
    for (const QString& t : QStringList{name} + secrets)
        if (!kav::text::isGbkRepresentable(t))
            return failWith(QStringLiteral("the name and passwords must be text GBK can hold (no emoji)"));
    const QString refusal = kav::accounts::checkNewCredentials(name, secrets[0], secrets[1], secrets[2]);
    if (!refusal.isEmpty())
        return failWith(refusal);
    kav::Platform platform;
    switch (kav::accounts::createAccount(connection, name, secrets[0], secrets[2], kav::schema::MemberLevel::Administrator,
                                         platform.machineAddress(), kav::text::dateText(QDateTime::currentDateTime()))) {
    case kav::accounts::CreateOutcome::NameTaken:
        return failWith(kav::accounts::kNameTaken);
    case kav::accounts::CreateOutcome::Failed:
        return failWith(QStringLiteral("the account could not be added: %1").arg(connection.lastError()));
    case kav::accounts::CreateOutcome::Created:
        break;
    }
    print(stdout, QStringLiteral("administrator %1 added\n").arg(name));
    return 0;
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
        if (!args.isEmpty() && args.first() == QLatin1String("--keep")) {
            args.removeFirst();
            if (kav::settings::read(path))
                return 0;
        }
        kav::ConnectionSettings s{QStringLiteral("127.0.0.1"), QStringLiteral("root"), QString(),
                                  QStringLiteral("kavello"), 3306};
        if (!apply(args, s, error) || !kav::settings::create(path, s, &error))
            return failWith(error);
        return 0;
    }
    if (command == QLatin1String("init-schema") || command == QLatin1String("add-admin")) {
        const auto s = kav::settings::read(path, &error);
        if (!s)
            return failWith(error);
        kav::StoreConnection connection;
        if (!connection.connect(*s))
            return failWith(QStringLiteral("cannot connect to the database: %1").arg(connection.lastError()));
        connection.setNamesGbk();
        if (command == QLatin1String("init-schema"))
            return initSchema(connection, args);
        return addAdministrator(connection, args);
    }
    return failWith(QStringLiteral("unknown command '%1'\n%2").arg(command, QString::fromLatin1(kUsage)));
}
