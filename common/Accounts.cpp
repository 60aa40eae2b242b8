#include "Accounts.h"

#include "Credentials.h"
#include "StoreConnection.h"
#include "Text.h"

namespace kav::accounts {

namespace {
bool anyEmpty(std::initializer_list<const QString*> texts)
{
    for (const QString* t : texts)
        if (t->isEmpty())
            return true;
    return false;
}
bool anyShort(std::initializer_list<const QString*> texts)
{
    for (const QString* t : texts)
        if (text::gbkLength(*t) < 6)
            return true;
    return false;
}
}  // namespace

QString checkNewCredentials(const QString& name, const QString& password, const QString& confirmation,
                            const QString& security)
{
    if (anyEmpty({&name, &password, &confirmation, &security}))
        return kAllRequired;
    if (anyShort({&name, &password, &confirmation, &security}))
        return kTooShort;
    if (name == password || name == confirmation)
        return kNameEqualsPassword;
    if (security == name || security == password || security == confirmation)
        return kSecurityEqualsOther;
    if (password != confirmation)
        return kPasswordsDiffer;
    return {};
}

QString checkPasswordChange(const QString& name, const QString& newPassword, const QString& confirmation,
                            const QString& security, bool compareConfirmation)
{
    if (anyEmpty({&name, &newPassword, &confirmation}))
        return kAllRequired;
    if (anyShort({&name, &newPassword, &confirmation}))
        return kTooShort;
    if (name == newPassword || name == confirmation)
        return kNameEqualsPassword;
    if (security == newPassword || (compareConfirmation && security == confirmation))
        return kSecurityEqualsOther;
    if (newPassword != confirmation)
        return kPasswordsDiffer;
    return {};
}

namespace {
// Serialises creations of one name across every program on the server.
class NameLock {
public:
    NameLock(StoreConnection& connection, const QString& name)
        : connection_(connection),
          lock_(QStringLiteral("kavello-account-") + credentials::md5Hex(text::toGbk(name).value_or(name.toUtf8())))
    {
        const auto result = connection_.query(Statement("SELECT GET_LOCK(?, 10) AS got", {lock_}));
        int got = 0;
        if (result)
            result->readField(QStringLiteral("got"), got);
        held_ = got == 1;
    }
    ~NameLock()
    {
        if (held_)
            connection_.execute(Statement("SELECT RELEASE_LOCK(?)", {lock_}));
    }
    bool held() const { return held_; }

private:
    StoreConnection& connection_;
    QString lock_;
    bool held_ = false;
};
}  // namespace

CreateOutcome createAccount(StoreConnection& connection, const QString& name, const QString& password,
                            const QString& security, schema::MemberLevel level, const QString& address,
                            const QString& dateText)
{
    const auto passwordDigest = credentials::credentialDigest(password);
    const auto securityDigest = credentials::credentialDigest(security);
    if (!passwordDigest || !securityDigest)
        return CreateOutcome::Failed;
    NameLock lock(connection, name);
    if (!lock.held())
        return CreateOutcome::Failed;
    auto existing = connection.query(Statement("SELECT * FROM `user` WHERE `username`= ?", {name}));
    if (!existing)
        return CreateOutcome::Failed;
    bool taken = false;
    rowWalk(*existing, [&](const StoreResult& row) {
        QString found;
        row.readField(QStringLiteral("username"), found);
        taken = taken || found == name;
    });
    if (taken)
        return CreateOutcome::NameTaken;
    const bool inserted = connection.execute(
        Statement("insert into `user`(`id`,`uid`,`cid`,`money`,`username`,`password`,`pass`,`ip`,`nowip`,`date`)"
                  "values(NULL,?,?,'0',?,?,?,?,?,?);",
                  {schema::codeText(level), schema::codeText(schema::AccountBuyingFlag::MayBuy), name,
                   *passwordDigest, *securityDigest, address, address, dateText}));
    return inserted ? CreateOutcome::Created : CreateOutcome::Failed;
}

ChangeOutcome changePassword(StoreConnection& connection, const QString& name, const QString& newPassword,
                             const QString& security)
{
    const auto securityDigest = credentials::credentialDigest(security);
    const auto newDigest = credentials::credentialDigest(newPassword);
    if (!securityDigest || !newDigest)
        return ChangeOutcome::NotFound;
    auto found = connection.query(
        Statement("select * from `user` where `username`=? and `pass`=?", {name, *securityDigest}));
    if (!found)
        return ChangeOutcome::NotFound;
    bool proved = false;
    rowWalk(*found, [&](const StoreResult& row) {
        QString foundName, foundPass;
        row.readField(QStringLiteral("username"), foundName);
        row.readField(QStringLiteral("pass"), foundPass);
        proved = proved || (foundName == name && foundPass == *securityDigest);
    });
    if (!proved)
        return ChangeOutcome::NotFound;
    return connection.execute(Statement("update `user` set `password`=? where `username`=?", {*newDigest, name}))
               ? ChangeOutcome::Changed
               : ChangeOutcome::Failed;
}

}  // namespace kav::accounts
