#include "AdminLoginWindow.h"

#include "common/ChatLink.h"
#include "common/Credentials.h"
#include "common/ProgramContext.h"
#include "common/Text.h"
#include "common/ui/Forms.h"
#include "common/ui/InputCheck.h"
#include "common/ui/MessageBox.h"
#include "common/ui/Widgets.h"

#include <QCloseEvent>
#include <QGroupBox>

namespace kav {

AdminLoginWindow::AdminLoginWindow(ProgramContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    setObjectName(QStringLiteral("AdminLoginWindow"));
    setWindowTitle(QStringLiteral("管理员登陆 - BY:Orvane"));
    setFixedSize(300, 150);

    auto* group = new QGroupBox(QStringLiteral("管理员登陆"), this);
    group->setObjectName(QStringLiteral("loginGroupBox"));
    group->setGeometry(6, 4, 288, 140);
    auto* nameCaption = ui::label(group, QStringLiteral("管理账号："), {12, 26, 64, 24});
    name_ = ui::lineEdit(group, QStringLiteral("nameLineEdit"), {78, 26, 190, 24}, nameCaption);
    auto* passwordCaption = ui::label(group, QStringLiteral("管理密码："), {12, 60, 64, 24});
    password_ = ui::lineEdit(group, QStringLiteral("passwordLineEdit"), {78, 60, 190, 24}, passwordCaption, true);
    auto* loginButton = ui::button(group, QStringLiteral("loginButton"), QStringLiteral("管理登陆"), {60, 96, 80, 32});
    auto* contactButton = ui::button(group, QStringLiteral("contactButton"), QStringLiteral("联系作者"), {158, 96, 80, 32});
    loginButton->setDefault(true);
    setTabOrder(name_, password_);
    setTabOrder(password_, loginButton);
    setTabOrder(loginButton, contactButton);

    connect(loginButton, &QPushButton::clicked, this, &AdminLoginWindow::login);
    connect(password_, &QLineEdit::returnPressed, this, &AdminLoginWindow::login);
    connect(contactButton, &QPushButton::clicked, this, &AdminLoginWindow::contactAuthor);
}

void AdminLoginWindow::login()
{
    const QString name = name_->text();
    const QString password = password_->text();
    if (name.isEmpty()) {
        MessageBox::show(QStringLiteral("账号或密码不能为空!"), MessageBox::kSystemTitle);
        return;
    }
    if (!ui::acceptTypedText({name, password}))
        return;
    if (text::gbkLength(name) < 6) {
        MessageBox::show(QStringLiteral("账号或密码小于六位数！"), MessageBox::kSystemTitle);
        return;
    }
    const QString digest = *credentials::credentialDigest(password);

    StoreConnection& connection = context_.connection();
    // A console started while the server was away gets one more try here,
    // instead of staying locked out until it is restarted.
    if (!connection.isOpen())
        connection.connect(context_.settings());
    const auto result =
        connection.query(Statement("select * from `user` where `username`=? and `password`=?", {name, digest}));
    if (!result) {
        MessageBox::show(QStringLiteral("系统连接失败......！"), MessageBox::kDefaultTitle, MessageBox::Stop);
        return;
    }
    QString foundName, foundPassword;
    int level = 0;
    firstRowRead(*result, [&](const StoreResult& row) {
        row.readField(QStringLiteral("username"), foundName);
        row.readField(QStringLiteral("password"), foundPassword);
        row.readField(QStringLiteral("uid"), level);
    });
    if (result->rowCount() == 0 || foundName != name || foundPassword != digest) {
        MessageBox::show(QStringLiteral("账号或密码错误！"), MessageBox::kSystemTitle);
        return;
    }
    if (level != 1) {
        MessageBox::show(QStringLiteral("该账户权限不足!"), MessageBox::kSystemTitle, MessageBox::Stop);
        return;
    }

    const auto outcome = context_.marker().write(name, *credentials::consoleMarkerDigest(name, password));
    loggedInName_ = name;
    if (outcome == LoginMarker::WriteOutcome::Written)
        MessageBox::show(QStringLiteral("恭喜您登陆成功"), MessageBox::kSystemTitle);
    else
        MessageBox::show(QStringLiteral("登陆成功！"));
    if (openMainWindow) {
        hide();
        openMainWindow();
    }
}

void AdminLoginWindow::contactAuthor() { context_.platform().openUrl(chatLink(kAuthorContact)); }

void AdminLoginWindow::closeEvent(QCloseEvent* event)
{
    ui::askToExit(context_, event, [this] {
        // Only the administrator who logged in during this run gets the address.
        if (!loggedInName_.isEmpty())
            context_.connection().execute(Statement("update `user` set `nowip`=? where `username`=?",
                                                    {context_.platform().machineAddress(), loggedInName_}));
        MessageBox::show(QStringLiteral("欢迎您再次使用！"), MessageBox::kKindTitle);
        context_.connection().close();
    });
}

}  // namespace kav
