#include "RecoveryWindow.h"

#include "Client.h"
#include "common/ProgramContext.h"
#include "common/ui/Forms.h"
#include "common/ui/MessageBox.h"
#include "common/ui/Pause.h"
#include "common/ui/Widgets.h"

#include <QCloseEvent>
#include <QGroupBox>

namespace kav {

RecoveryWindow::RecoveryWindow(Client& client, Mode mode, QWidget* parent)
    : QWidget(parent), client_(client), mode_(mode)
{
    setObjectName(QStringLiteral("RecoveryWindow"));
    setWindowTitle(QStringLiteral("找回密码"));
    setFixedSize(mode == Mode::FromLogin ? 262 : 261, 219);

    auto* group = new QGroupBox(this);
    group->setGeometry(2, 0, 253, 192);
    auto* accountCaption = ui::label(group, QStringLiteral("登陆账号："), {4, 24, 56, 28});
    account_ = ui::lineEdit(group, QStringLiteral("accountLineEdit"), {59, 26, 184, 24}, accountCaption);
    auto* passwordCaption = ui::label(this, QStringLiteral("新的密码："), {7, 57, 56, 28});
    password_ = ui::lineEdit(this, QStringLiteral("newPasswordLineEdit"), {61, 58, 184, 24}, passwordCaption, true);
    auto* confirmationCaption = ui::label(this, QStringLiteral("确认密码："), {7, 88, 56, 28});
    confirmation_ = ui::lineEdit(this, QStringLiteral("confirmationLineEdit"), {62, 89, 184, 24}, confirmationCaption, true);
    auto* securityCaption = ui::label(this, QStringLiteral("安全密码："), {7, 119, 56, 28});
    security_ = ui::lineEdit(this, QStringLiteral("securityLineEdit"), {61, 120, 184, 24}, securityCaption, true);
    auto* changeButton = ui::button(group, QStringLiteral("changeButton"), QStringLiteral("修改密码"), {60, 151, 80, 32});
    auto* cancelButton = ui::button(this, QStringLiteral("cancelButton"), QStringLiteral("取消返回"), {160, 151, 80, 32});
    // The fields sit on two parents; keep the tab order the reading order.
    setTabOrder(account_, password_);
    setTabOrder(password_, confirmation_);
    setTabOrder(confirmation_, security_);
    setTabOrder(security_, changeButton);
    setTabOrder(changeButton, cancelButton);
    changeButton->setDefault(true);
    connect(changeButton, &QPushButton::clicked, this, &RecoveryWindow::changePassword);
    connect(cancelButton, &QPushButton::clicked, this, &RecoveryWindow::cancel);
}

void RecoveryWindow::changePassword()
{
    ProgramContext& context = client_.context();
    StoreConnection& connection = context.connection();
    auto connectAnew = [&] {
        if (mode_ == Mode::FromLogin)
            connection.connect(context.settings());  // the program connection from now on
    };
    if (!ui::changePasswordFromForm(connection, account_->text(), password_->text(), confirmation_->text(),
                                    security_->text(), true, connectAnew))
        return;
    if (mode_ == Mode::FromLogin) {
        MessageBox::show(QStringLiteral("恭喜你找回成功,请用新密码登陆！"));
        cancel();
        return;
    }
    MessageBox::show(QStringLiteral("修改成功,程序稍后自动重启！"));
    ui::pause(1000);
    context.endProgram();
}

void RecoveryWindow::cancel()
{
    // The window may be gone once events run again (it deletes itself on close).
    Client& client = client_;
    const Mode mode = mode_;
    leaving_ = true;
    close();
    if (mode == Mode::FromLogin) {
        ui::pause(200);
        client.showLogin();
    }
}

void RecoveryWindow::closeEvent(QCloseEvent* event)
{
    if (leaving_) {
        event->accept();
        return;
    }
    ProgramContext& context = client_.context();
    ui::askToExit(context, event, [this, &context] {
        MessageBox::show(QStringLiteral("欢迎您再次使用！"));
        if (mode_ == Mode::FromLogin)
            context.marker().remove();
    });
}

}  // namespace kav
