#include "DatabaseConfigWindow.h"

#include "Console.h"
#include "common/ChatLink.h"
#include "Deployment.h"
#include "common/ProgramContext.h"
#include "common/Text.h"
#include "common/settings/SettingsFile.h"
#include "common/ui/InputCheck.h"
#include "common/ui/MessageBox.h"
#include "common/ui/Widgets.h"

namespace kav {

DatabaseConfigWindow::DatabaseConfigWindow(Console& console, QWidget* parent) : QDialog(parent), console_(console)
{
    setObjectName(QStringLiteral("DatabaseConfigWindow"));
    setWindowTitle(QStringLiteral("配置数据库"));
    setFixedSize(218, 232);

    const ui::FormColumn column{10, 82, 124, 14};
    auto row = [&](int index, const QString& caption, const QString& name) {
        return ui::formRow(this, column, index, caption, name);
    };
    ip_ = row(0, QStringLiteral("数据库ip："), QStringLiteral("ipLineEdit"));
    user_ = row(1, QStringLiteral("用户账号："), QStringLiteral("userLineEdit"));
    database_ = row(2, QStringLiteral("数据库名："), QStringLiteral("databaseLineEdit"));
    password_ = row(3, QStringLiteral("数据密码："), QStringLiteral("passwordLineEdit"));
    port_ = row(4, QStringLiteral("数据端口："), QStringLiteral("portLineEdit"));
    port_->setText(QStringLiteral("3306"));
    auto* configure = ui::button(this, QStringLiteral("configureButton"), QStringLiteral("点击配置"), {14, 188, 88, 32});
    auto* contact = ui::button(this, QStringLiteral("contactButton"), QStringLiteral("联系作者"), {116, 188, 88, 32});
    configure->setDefault(true);
    connect(configure, &QPushButton::clicked, this, &DatabaseConfigWindow::configure);
    connect(contact, &QPushButton::clicked, this, &DatabaseConfigWindow::contactAuthor);
    connect(&primerTimer_, &QTimer::timeout, this, &DatabaseConfigWindow::showPrimer);
}

QString DatabaseConfigWindow::primerFileName() { return QStringLiteral("数据库配置知识大恶补.txt"); }

QByteArray DatabaseConfigWindow::primerText()
{
    const QString text = QStringLiteral(
        "亲，不好意思又弹出一个提示！为了让您顺利用上本程序，这里把配置数据库时要填的五项逐一说明一下。\n"
        "本程序的数据都保存在一个 MariaDB（或 MySQL）数据库服务器里，客户端和管理端都连接同一个数据库。\n"
        "\n"
        "--------------什么是数据库IP？--------------\n"
        "数据库服务器所在机器的地址。数据库装在本机时填 127.0.0.1；\n"
        "使用主机商提供的数据库时，填主机商给您的主机名或IP地址（例如 db.example.com）。\n"
        "在 Linux 上可以用 sudo systemctl status mariadb 查看本机的数据库服务是否已经启动。\n"
        "\n"
        "--------------什么是用户账号？--------------\n"
        "登录数据库服务器用的用户名。本机默认安装的数据库，默认用户是 ROOT（在 Linux 上写作 root）；\n"
        "建议为本程序单独建一个用户，例如：CREATE USER 'kavello'@'127.0.0.1' IDENTIFIED BY '密码';\n"
        "\n"
        "--------------什么是数据库名？--------------\n"
        "存放本程序各张表的数据库的名字。主机商提供的数据库，数据库名通常和账号相同；\n"
        "本机可以自己建一个，例如：CREATE DATABASE kavello; 再用 GRANT ALL ON kavello.* TO 'kavello'@'127.0.0.1'; 授权。\n"
        "\n"
        "--------------什么是数据密码？--------------\n"
        "上面那个用户账号的密码。本机默认安装时 root 的密码为空，但空密码会让程序每次启动都要求重新配置，\n"
        "所以请给数据库用户设置一个密码，例如：ALTER USER 'kavello'@'127.0.0.1' IDENTIFIED BY '新密码';\n"
        "\n"
        "--------------什么是数据端口？--------------\n"
        "数据库服务器监听的TCP端口，默认是 3306。除非主机商或管理员告诉您别的端口，否则保持 3306 即可。\n"
        "\n"
        "填好后点击“点击配置”，程序会保存设置、测试连接，并自动导入数据表，之后按提示配置管理员即可。\n"
        "还有不明白的地方，可以联系作者：Orvane\n");
    QString crlf = text;
    crlf.replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
    return text::toGbk(crlf).value_or(QByteArray());
}

bool DatabaseConfigWindow::greet()
{
    ProgramContext& context = console_.context();
    const QString kind = MessageBox::kKindTitle;
    if (MessageBox::ask(QStringLiteral("亲，接下来将需要配置数据库，请问是否需要配置数据库的视频？"), kind)) {
        if (MessageBox::ask(QStringLiteral("由于视频高达80M，需要作者亲自发送，您需要联系作者留下邮箱,这期间您需要登录QQ,您是否同意？"),
                            kind))
            contactAuthor();
        else
            MessageBox::show(QStringLiteral("很遗憾,您选择了放弃,您也可以通过邮箱联系作者索取教程!") + deployment::authorEmail(),
                             MessageBox::kSystemTitle, MessageBox::Information);
    }
    if (MessageBox::ask(QStringLiteral("是否需要阅读帮助文档？"), kind)) {
        const QString help = context.programFile(QStringLiteral("帮助文档.doc"));
        if (Platform::fileExists(help))
            context.platform().openFile(help, context.programDirectory());
        else
            MessageBox::show(QStringLiteral("错误!帮助文档不存在，请手工打开解压包中的帮助文档！"), MessageBox::kSystemTitle,
                             MessageBox::Stop);
    }
    if (!MessageBox::ask(QStringLiteral("必须配置才能使用！若不懂可以联系作者！"))) {
        MessageBox::show(QStringLiteral("很遗憾,您没能使用成功！"), MessageBox::kSystemTitle);
        context.endProgram();
        return false;
    }
    primerTimer_.start(1000);
    const QString desktop = context.platform().desktopDirectory();
    const QString primer = Platform::join(desktop, primerFileName());
    // Replace an earlier copy even if it was marked read-only or hidden.
    Platform::deleteFile(primer);
    Platform::writeFile(primer, primerText());
    return true;
}

void DatabaseConfigWindow::showPrimer()
{
    primerTimer_.stop();
    ProgramContext& context = console_.context();
    const QString desktop = context.platform().desktopDirectory();
    context.platform().openFile(Platform::join(desktop, primerFileName()), desktop);
}

void DatabaseConfigWindow::contactAuthor() { console_.context().platform().openUrl(chatLink(kAuthorContact)); }

void DatabaseConfigWindow::configure()
{
    ProgramContext& context = console_.context();
    if (ip_->text().isEmpty() || user_->text().isEmpty() || port_->text().isEmpty()) {
        MessageBox::show(QStringLiteral("数据库名，密码或端口不能为空！"), MessageBox::kSystemTitle);
        return;
    }
    const QStringList typed = {ip_->text(), user_->text(), database_->text(), password_->text(), port_->text()};
    if (!ui::acceptTypedText(typed))
        return;
    bool portOk = false;
    const int port = port_->text().trimmed().toInt(&portOk);
    if (!portOk || port < 0 || port > 65535) {
        MessageBox::show(QStringLiteral("数据端口必须是0到65535之间的数字！"), MessageBox::kSystemTitle, MessageBox::Stop);
        return;
    }
    for (const QString& t : typed) {
        if (t.size() > settings::kMaxTextChars) {
            MessageBox::show(QStringLiteral("填写的内容过长,每项不能超过%1个字符！").arg(settings::kMaxTextChars),
                             MessageBox::kSystemTitle, MessageBox::Stop);
            return;
        }
    }

    const QString path = context.programFile(settings::kFileName);
    const ConnectionSettings wanted{ip_->text(), user_->text(), password_->text(), database_->text(), port};
    if (!settings::read(path)) {
        MessageBox::show(QStringLiteral("数据库错误,请联系作者...！"), MessageBox::kSystemTitle);
        context.endProgram();
        return;
    }
    settings::create(path, wanted);  // the file was just read: rewrite it whole
    MessageBox::show(QStringLiteral("写入权限成功！等待初始化数据库信息......！"));

    // Read back what the file now holds: that is what both programs will use.
    if (const auto saved = settings::read(path))
        context.settings() = *saved;
    const ConnectionSettings& s = context.settings();
    ip_->setText(s.ip);
    user_->setText(s.username);
    password_->setText(s.pass);
    database_->setText(s.mysqlname);
    port_->setText(QString::number(s.port));

    StoreConnection probe;
    if (!probe.connect(s)) {
        MessageBox::show(QStringLiteral("数据库配置失败，请从新配置..."), MessageBox::kSystemTitle);
        return;
    }
    probe.close();
    MessageBox::show(QStringLiteral("恭喜您配置成功....！"), MessageBox::kSystemTitle);
    MessageBox::show(QStringLiteral("稍后将自动为您导入数据库,若您的数据库网络连接较慢，可能会导致窗口消失一会，"
                                    "请不要担心与着急,系统自动配置完成后弹出提示！"),
                     MessageBox::kSystemTitle, MessageBox::Information);
    primerTimer_.stop();
    close();
    console_.openImport();
}

}  // namespace kav
