#include "PasswordChangeWindow.h"

#include "common/Accounts.h"
#include "common/ProgramContext.h"
#include "common/ui/InputCheck.h"
#include "common/ui/MessageBox.h"
#include "common/ui/Pause.h"
#include "common/ui/Widgets.h"

namespace kav {

PasswordChangeWindow::PasswordChangeWindow(ProgramContext& context, QWidget* parent)
    : QDialog(parent), context_(context)
{
    setObjectName(QStringLiteral("PasswordChangeWindow"));
    setWindowTitle(QStringLiteral("修改密码 - BY:Orvane"));
    setFixedSize(262, 210);
    auto row = [&](int index, const QString& caption, const QString& name, bool password) {
        const int y = 14 + index * 34;
        auto* l = ui::label(this, caption, {10, y, 70, 24});
        return ui::lineEdit(this, name, {80, y, 168, 24}, l, password);
    };
    name_ = row(0, QStringLiteral("管理账号："), QStringLiteral("nameLineEdit"), false);
    password_ = row(1, QStringLiteral("新的密码："), QStringLiteral("newPasswordLineEdit"), true);
    confirmation_ = row(2, QStringLiteral("确认密码："), QStringLiteral("confirmationLineEdit"), true);
    security_ = row(3, QStringLiteral("安全密码："), QStringLiteral("securityLineEdit"), true);
    auto* changeButton = ui::button(this, QStringLiteral("changeButton"), QStringLiteral("修改密码"), {40, 160, 80, 32});
    auto* cancelButton = ui::button(this, QStringLiteral("cancelButton"), QStringLiteral("取消返回"), {142, 160, 80, 32});
    changeButton->setDefault(true);
    connect(changeButton, &QPushButton::clicked, this, &PasswordChangeWindow::change);
    connect(cancelButton, &QPushButton::clicked, this, &PasswordChangeWindow::cancel);
}

void PasswordChangeWindow::change()
{
    const QString name = name_->text(), password = password_->text(), confirmation = confirmation_->text(),
                  security = security_->text();
    if (!ui::acceptTypedText({name, password, confirmation, security}))
        return;
    const QString refusal = accounts::checkPasswordChange(name, password, confirmation, security, false);
    if (!refusal.isEmpty()) {
        MessageBox::show(refusal);
        return;
    }
    switch (accounts::changePassword(context_.connection(), name, password, security)) {
    case accounts::ChangeOutcome::NotFound:
        MessageBox::show(accounts::kNoSuchAccount, MessageBox::kSystemTitle, MessageBox::Stop);
        return;
    case accounts::ChangeOutcome::Failed:
        return;  // the update was refused; the window stays as it is
    case accounts::ChangeOutcome::Changed:
        break;
    }
    MessageBox::show(QStringLiteral("修改成功,程序稍后自动重启！"));
    ui::pause(1000);
    context_.endProgram();
}

void PasswordChangeWindow::cancel()
{
    if (MessageBox::ask(QStringLiteral("是否要放弃修改密码？")))
        reject();
}

}  // namespace kav
