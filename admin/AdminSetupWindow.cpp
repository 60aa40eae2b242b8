#include "AdminSetupWindow.h"

#include "AdminLoginWindow.h"
#include "Console.h"
#include "common/Accounts.h"
#include "common/ChatLink.h"
#include "common/ProgramContext.h"
#include "common/Text.h"
#include "common/ui/InputCheck.h"
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
    auto row = [&](int index, const QString& caption, const QString& name, bool password) {
        const int y = 14 + index * 34;
        auto* l = ui::label(this, caption, {10, y, 70, 24});
        return ui::lineEdit(this, name, {80, y, 168, 24}, l, password);
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
    const QString name = name_->text(), password = password_->text(), confirmation = confirmation_->text(),
                  security = security_->text();
    if (!ui::acceptTypedText({name, password, confirmation, security}))
        return;
    const QString refusal = accounts::checkNewCredentials(name, password, confirmation, security);
    if (!refusal.isEmpty()) {
        MessageBox::show(refusal);
        return;
    }
    ProgramContext& context = console_.context();
    StoreConnection& connection = context.connection();
    connection.connect(context.settings());  // the program connection from now on
    connection.setNamesGbk();
    const QString address = context.platform().machineAddress();
    switch (accounts::createAccount(connection, name, password, security, schema::MemberLevel::Administrator, address,
                                    text::dateText(context.now()))) {
    case accounts::CreateOutcome::NameTaken:
        MessageBox::show(accounts::kNameTaken);
        return;
    case accounts::CreateOutcome::Failed:
        MessageBox::show(QStringLiteral("注册失败，请联系作者！"));
        return;
    case accounts::CreateOutcome::Created:
        break;
    }
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
