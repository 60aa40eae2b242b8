#pragma once
#include "common/Schema.h"

#include <QString>
#include <functional>

class QCloseEvent;

namespace kav {
class ProgramContext;
class StoreConnection;

// Handler steps that several windows of both programs share.
namespace ui {

// Reads connfig.mdb from the program directory into the context and hides
// it (and its lock file). On failure shows the message (stop icon, "系统提示")
// and ends the program; false then.
bool loadProgramSettings(ProgramContext& context, const QString& missingMessage);

// A close box that asks "是否退出程序？": No keeps the window; Yes runs the
// window's own parting step (its farewell message, clean-up) and ends the
// program. A program already ending closes without asking.
void askToExit(ProgramContext& context, QCloseEvent* event, const std::function<void()>& onYes);

// Account creation from a form (registration, administrator setup): refuses
// bad input with its message, then connects anew (the program connection
// from now on), switches it to GBK and creates the account. True when
// created; the window says its own success. failureMessage is shown when the
// account could not be created.
bool createAccountFromForm(ProgramContext& context, const QString& name, const QString& password,
                           const QString& confirmation, const QString& security, schema::MemberLevel level,
                           const QString& failureMessage);

// Password change from a form (the recovery windows, the console's change):
// refuses bad input with its message, proves the security password on the
// connection and sets the new password. True when changed; a refused update
// is silent.
// beforeLookup runs after the checks passed and before the look-up (the
// login recovery window opens its connection there).
bool changePasswordFromForm(StoreConnection& connection, const QString& name, const QString& password,
                            const QString& confirmation, const QString& security, bool compareConfirmation,
                            const std::function<void()>& beforeLookup = {});

}  // namespace ui
}  // namespace kav
