#include "PasswordChangeWindow.h"

#include "common/ProgramContext.h"
#include "common/ui/Forms.h"
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
    auto row = [this](int index, const QString& caption, const QString& name, bool password) {
        return ui::formRow(this, {}, index, caption, name, password);
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
    if (!ui::changePasswordFromForm(context_.connection(), name_->text(), password_->text(), confirmation_->text(),
                                    security_->text(), false))
        return;
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
