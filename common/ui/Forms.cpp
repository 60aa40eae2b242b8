#include "Forms.h"

#include "InputCheck.h"
#include "MessageBox.h"
#include "common/Accounts.h"
#include "common/ProgramContext.h"
#include "common/Text.h"
#include "common/settings/SettingsFile.h"

#include <QCloseEvent>

namespace kav::ui {

bool loadProgramSettings(ProgramContext& context, const QString& missingMessage)
{
    const QString path = context.programFile(settings::kFileName);
    const auto read = settings::read(path);
    if (!read) {
        MessageBox::show(missingMessage, MessageBox::kSystemTitle, MessageBox::Stop);
        context.endProgram();
        return false;
    }
    Platform::setAttributes(context.programFile(settings::kLockFileName), AttrHidden | AttrSystem);
    Platform::setAttributes(path, AttrHidden | AttrSystem);
    context.settings() = *read;
    return true;
}

void askToExit(ProgramContext& context, QCloseEvent* event, const std::function<void()>& onYes)
{
    if (context.ending()) {
        event->accept();
        return;
    }
    if (!MessageBox::ask(QStringLiteral("是否退出程序？"))) {
        event->ignore();
        return;
    }
    onYes();
    event->accept();
    context.endProgram();
}

bool createAccountFromForm(ProgramContext& context, const QString& name, const QString& password,
                           const QString& confirmation, const QString& security, schema::MemberLevel level,
                           const QString& failureMessage)
{
    if (!acceptTypedText({name, password, confirmation, security}))
        return false;
    const QString refusal = accounts::checkNewCredentials(name, password, confirmation, security);
    if (!refusal.isEmpty()) {
        MessageBox::show(refusal);
        return false;
    }
    StoreConnection& connection = context.connection();
    connection.connect(context.settings());
    connection.setNamesGbk();
    switch (accounts::createAccount(connection, name, password, security, level, context.platform().machineAddress(),
                                    text::dateText(context.now()))) {
    case accounts::CreateOutcome::NameTaken:
        MessageBox::show(accounts::kNameTaken);
        return false;
    case accounts::CreateOutcome::Failed:
        MessageBox::show(failureMessage);
        return false;
    case accounts::CreateOutcome::Created:
        return true;
    }
    return false;
}

bool changePasswordFromForm(StoreConnection& connection, const QString& name, const QString& password,
                            const QString& confirmation, const QString& security, bool compareConfirmation,
                            const std::function<void()>& beforeLookup)
{
    if (!acceptTypedText({name, password, confirmation, security}))
        return false;
    const QString refusal = accounts::checkPasswordChange(name, password, confirmation, security, compareConfirmation);
    if (!refusal.isEmpty()) {
        MessageBox::show(refusal);
        return false;
    }
    if (beforeLookup)
        beforeLookup();
    switch (accounts::changePassword(connection, name, password, security)) {
    case accounts::ChangeOutcome::NotFound:
        MessageBox::show(accounts::kNoSuchAccount, MessageBox::kSystemTitle, MessageBox::Stop);
        return false;
    case accounts::ChangeOutcome::Failed:
        return false;
    case accounts::ChangeOutcome::Changed:
        return true;
    }
    return false;
}

}  // namespace kav::ui
