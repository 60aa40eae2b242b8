#pragma once
#include "Schema.h"

#include <QString>

namespace kav {
class StoreConnection;

// Account rules shared by the client's and the console's windows and the
// settings tool: the checks on credentials being created or changed, in the
// shop's order, and the statements that create an account or change its
// password.
namespace accounts {

// Registration and administrator setup. Empty when the texts pass; else the
// message of the first check that fails.
QString checkNewCredentials(const QString& name, const QString& password, const QString& confirmation,
                            const QString& securityPassword);

// Password changes by security password. The security password is the secret
// being proved: it is not tested for emptiness or length. The client also
// refuses a confirmation equal to it (compareConfirmation).
QString checkPasswordChange(const QString& name, const QString& newPassword, const QString& confirmation,
                            const QString& securityPassword, bool compareConfirmation);

enum class CreateOutcome { Created, NameTaken, Failed };
// Looks the name up and inserts the account (level, buying flag 2, balance 0,
// address in ip and nowip, date text). A server-side lock on the name is held
// around the look-up and the insert, so two creations of one name at the same
// moment cannot both succeed.
CreateOutcome createAccount(StoreConnection& connection, const QString& name, const QString& password,
                            const QString& securityPassword, schema::MemberLevel level, const QString& address,
                            const QString& dateText);

enum class ChangeOutcome { Changed, NotFound, Failed };
// Looks the account up by name and security password and gives it the new
// password. NotFound: no such account with that security password (or the
// look-up failed); Failed: the update was refused.
ChangeOutcome changePassword(StoreConnection& connection, const QString& name, const QString& newPassword,
                             const QString& securityPassword);

inline const QString kAllRequired = QStringLiteral("所有项均不能为空！");
inline const QString kTooShort = QStringLiteral("账号密码或安全码不能小于6位数！");
inline const QString kNameEqualsPassword = QStringLiteral("为了安全起见，账号密码不能相同！");
inline const QString kSecurityEqualsOther = QStringLiteral("为了安全起见，账号或密码不能与安全码相同！");
inline const QString kPasswordsDiffer = QStringLiteral("您的两次密码不同,请确认！");
inline const QString kNameTaken = QStringLiteral("该账号已被注册！");
inline const QString kNoSuchAccount = QStringLiteral("账号不存在或安全码错误");

}  // namespace accounts
}  // namespace kav
