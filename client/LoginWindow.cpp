#include "LoginWindow.h"

#include "common/Credentials.h"
#include "common/ProgramContext.h"
#include "common/Text.h"
#include "common/ui/Forms.h"
#include "common/ui/InputCheck.h"
#include "common/ui/MessageBox.h"
#include "common/ui/Widgets.h"

#include <QCloseEvent>

namespace kav {

LoginWindow::LoginWindow(ProgramContext& context, QWidget* parent) : QWidget(parent), context_(context)
{
    setObjectName(QStringLiteral("LoginWindow"));
    setWindowTitle(QStringLiteral("用户登录"));
    setFixedSize(346, 168);

    auto* accountCaption = ui::label(this, QStringLiteral("登陆账号："), {10, 24, 52, 24});
    account_ = ui::lineEdit(this, QStringLiteral("accountLineEdit"), {71, 23, 161, 24}, accountCaption);
    auto* passwordCaption = ui::label(this, QStringLiteral("登陆密码："), {10, 64, 52, 24});
    password_ = ui::lineEdit(this, QStringLiteral("passwordLineEdit"), {71, 63, 161, 24}, passwordCaption, true);
    auto* loginButton = ui::button(this, QStringLiteral("loginButton"), QStringLiteral("用户登陆"), {68, 97, 80, 32});
    auto* registerButton = ui::button(this, QStringLiteral("registerButton"), QStringLiteral("注册账号"), {154, 97, 80, 32});
    auto* recoverButton = ui::button(this, QStringLiteral("recoverButton"), QStringLiteral("找回密码"), {241, 58, 80, 32});
    auto* topUpButton = ui::button(this, QStringLiteral("topUpButton"), QStringLiteral("账号充值"), {241, 18, 80, 32});
    auto* contactButton = ui::button(this, QStringLiteral("contactButton"), QStringLiteral("联系管理"), {241, 97, 80, 32});
    loginButton->setDefault(true);

    setTabOrder(account_, topUpButton);
    setTabOrder(topUpButton, password_);
    setTabOrder(password_, recoverButton);
    setTabOrder(recoverButton, loginButton);
    setTabOrder(loginButton, registerButton);
    setTabOrder(registerButton, contactButton);

    connect(loginButton, &QPushButton::clicked, this, &LoginWindow::login);
    connect(password_, &QLineEdit::returnPressed, this, &LoginWindow::login);
    connect(registerButton, &QPushButton::clicked, this, [this] {
        if (!openRegistration)
            return;
        hide();
        openRegistration();
    });
    connect(recoverButton, &QPushButton::clicked, this, [this] {
        if (!openRecovery)
            return;
        hide();
        openRecovery();
    });
    connect(topUpButton, &QPushButton::clicked, this, [] {
        MessageBox::show(QStringLiteral("该功能尚未开发,请登陆充值!"), MessageBox::kSystemTitle, MessageBox::Stop);
    });
    connect(contactButton, &QPushButton::clicked, this, &LoginWindow::contactAdministrator);
}

void LoginWindow::login()
{
    const QString account = account_->text();
    const QString password = password_->text();
    if (account.isEmpty()) {
        MessageBox::show(QStringLiteral("账号密码不能为空"));
        return;
    }
    if (!ui::acceptTypedText({account, password}))
        return;
    if (text::gbkLength(account) < 6)
        return;  // silently, as the shop always has
    const QString digest = *credentials::credentialDigest(password);

    StoreConnection& connection = context_.connection();
    std::optional<StoreResult> result;
    if (connection.connect(context_.settings()))
        result = connection.query(
            Statement("SELECT * FROM `user` WHERE `username`= ? and `password`=?", {account, digest}));
    if (!result) {
        MessageBox::show(QStringLiteral("系统连接失败......！"), MessageBox::kDefaultTitle, MessageBox::Stop);
        return;
    }
    bool matched = false;
    rowWalk(*result, [&](const StoreResult& row) {
        QString name, stored;
        row.readField(QStringLiteral("username"), name);
        row.readField(QStringLiteral("password"), stored);
        matched = matched || (name == account && stored == digest);
    });
    if (!matched) {
        MessageBox::show(QStringLiteral("账号或密码错误！"), MessageBox::kSystemTitle);
        return;
    }

    context_.marker().write(account, *credentials::clientMarkerDigest(account, digest));
    MessageBox::show(QStringLiteral("登陆成功！"));
    if (openGoodsArea) {
        hide();
        openGoodsArea();
    }
}

void LoginWindow::contactAdministrator()
{
    MessageBox::show(QStringLiteral("记录成功,防止恶意咨询,请登陆在商品界面后在点击联系管理！您的IP已被记录,当IP是：")
                         + context_.platform().machineAddress(),
                     MessageBox::kSystemTitle);
}

void LoginWindow::closeEvent(QCloseEvent* event)
{
    ui::askToExit(context_, event, [] { MessageBox::show(QStringLiteral("欢迎您再次使用！")); });
}

}  // namespace kav
