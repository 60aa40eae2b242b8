#include "RegistrationWindow.h"

#include "Client.h"
#include "common/ProgramContext.h"
#include "common/ui/ControlStyle.h"
#include "common/ui/Forms.h"
#include "common/ui/MessageBox.h"
#include "common/ui/Pause.h"
#include "common/ui/Widgets.h"

#include <QCloseEvent>
#include <QGroupBox>

namespace kav {

RegistrationWindow::RegistrationWindow(Client& client, QWidget* parent) : QWidget(parent), client_(client)
{
    setObjectName(QStringLiteral("RegistrationWindow"));
    setWindowTitle(QStringLiteral("用户注册"));
    setFixedSize(262, 219);
    ui::useBlueControlStyle();

    auto* group = new QGroupBox(this);
    group->setGeometry(1, 0, 253, 192);
    auto* accountCaption = ui::label(group, QStringLiteral("登陆账号："), {3, 25, 58, 24});
    account_ = ui::lineEdit(group, QStringLiteral("accountLineEdit"), {59, 26, 184, 24}, accountCaption);
    auto* passwordCaption = ui::label(group, QStringLiteral("登陆密码："), {4, 56, 58, 24});
    password_ = ui::lineEdit(group, QStringLiteral("passwordLineEdit"), {59, 58, 184, 24}, passwordCaption, true);
    auto* confirmationCaption = ui::label(group, QStringLiteral("确认密码："), {4, 88, 58, 24});
    confirmation_ = ui::lineEdit(group, QStringLiteral("confirmationLineEdit"), {57, 89, 184, 24}, confirmationCaption, true);
    auto* securityCaption = ui::label(group, QStringLiteral("安全密码："), {4, 120, 58, 24});
    security_ = ui::lineEdit(group, QStringLiteral("securityLineEdit"), {57, 120, 184, 24}, securityCaption, true);
    auto* registerButton = ui::button(group, QStringLiteral("registerButton"), QStringLiteral("确定注册"), {57, 149, 80, 32});
    auto* backButton = ui::button(group, QStringLiteral("backButton"), QStringLiteral("返回登陆"), {151, 149, 80, 32});
    registerButton->setDefault(true);
    connect(registerButton, &QPushButton::clicked, this, &RegistrationWindow::registerAccount);
    connect(backButton, &QPushButton::clicked, this, &RegistrationWindow::backToLogin);
}

void RegistrationWindow::registerAccount()
{
    if (!ui::createAccountFromForm(client_.context(), account_->text(), password_->text(), confirmation_->text(),
                                   security_->text(), schema::MemberLevel::Ordinary,
                                   QStringLiteral("注册失败，请联系管理员！")))
        return;
    MessageBox::show(QStringLiteral("注册成功"));
    backToLogin();
}

void RegistrationWindow::backToLogin()
{
    // The window may be gone once events run again (it deletes itself on close).
    Client& client = client_;
    leaving_ = true;
    close();
    ui::pause(200);
    client.showLogin();
}

void RegistrationWindow::closeEvent(QCloseEvent* event)
{
    if (leaving_) {
        event->accept();
        return;
    }
    ProgramContext& context = client_.context();
    ui::askToExit(context, event, [&context] {
        MessageBox::show(QStringLiteral("欢迎您再次使用！"));
        context.marker().remove();
    });
}

}  // namespace kav
