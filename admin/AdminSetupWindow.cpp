#include "AdminSetupWindow.h"

#include "AdminLoginWindow.h"
#include "Console.h"
#include "common/ChatLink.h"
#include "common/ProgramContext.h"
#include "common/ui/Forms.h"
#include "common/ui/MessageBox.h"
#include "common/ui/Pause.h"
#include "common/ui/Widgets.h"

#include <QCloseEvent>

namespace kav {

AdminSetupWindow::AdminSetupWindow(Console& console, QWidget* parent) : QDialog(parent), console_(console)
{
    setObjectName(QStringLiteral("AdminSetupWindow"));
    setWindowTitle(QStringLiteral("配置管理 - BY:Orvane"));
    setFixedSize(262, 210);
    auto row = [this](int index, const QString& caption, const QString& name, bool password) {
        return ui::formRow(this, {}, index, caption, name, password);
    };
    name_ = row(0, QStringLiteral("管理账号："), QStringLiteral("nameLineEdit"), false);
    password_ = row(1, QStringLiteral("管理密码："), QStringLiteral("passwordLineEdit"), true);
    confirmation_ = row(2, QStringLiteral("确认密码："), QStringLiteral("confirmationLineEdit"), true);
    security_ = row(3, QStringLiteral("安全密码："), QStringLiteral("securityLineEdit"), true);
    auto* setUpButton = ui::button(this, QStringLiteral("setupButton"), QStringLiteral("配置管理"), {40, 160, 80, 32});
    auto* contact = ui::button(this, QStringLiteral("contactButton"), QStringLiteral("联系作者"), {142, 160, 80, 32});
    setUpButton->setDefault(true);
    connect(setUpButton, &QPushButton::clicked, this, &AdminSetupWindow::setUp);
    connect(contact, &QPushButton::clicked, this, &AdminSetupWindow::contactAuthor);

    console_.loginWindow().hide();
}

void AdminSetupWindow::setUp()
{
    if (!ui::createAccountFromForm(console_.context(), name_->text(), password_->text(), confirmation_->text(),
                                   security_->text(), schema::MemberLevel::Administrator,
                                   QStringLiteral("注册失败，请联系作者！")))
        return;
    MessageBox::show(QStringLiteral("配置管理员成功！"));
    done_ = true;
    close();
    ui::pause(200);
    console_.showLogin();
}

void AdminSetupWindow::contactAuthor() { console_.context().platform().openUrl(chatLink(kAuthorContact)); }

void AdminSetupWindow::closeEvent(QCloseEvent* event)
{
    if (done_ || console_.context().ending()) {
        QDialog::closeEvent(event);
        return;
    }
    if (!MessageBox::ask(QStringLiteral("没有配置管理员您可能将无法使用该程序!是否放弃配置?"))) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
    // The console must keep a window: back to login.
    console_.showLogin();
}

}  // namespace kav
