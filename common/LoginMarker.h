#pragma once
#include <QString>
#include <optional>

namespace kav {

// The hidden, system file "Orvane.txt" in the program directory that records
// the last login: account name, "-", marker digest, in GBK, nothing else.
// Windows read the account name back from it instead of from memory.
class LoginMarker {
public:
    explicit LoginMarker(QString programDirectory);

    static inline const QString kFileName = QStringLiteral("Orvane.txt");
    // What a window says when the marker names nobody: it must not show or
    // change any account's data then.
    static inline const QString kLoginExpired = QStringLiteral("登录信息已失效,请重新登录！");
    QString path() const { return path_; }

    enum class WriteOutcome {
        Written,    // the first write succeeded
        Rewritten,  // the file was refused, deleted and written again
    };
    // Writes the marker, replacing an earlier one, and marks it hidden and
    // system. A marker left hidden by an earlier login is refused by the
    // plain write, so it is deleted and written once more.
    WriteOutcome write(const QString& name, const QString& digest) const;

    // The whole content; nullopt when the file is missing or not GBK text.
    std::optional<QString> readContent() const;
    // The account name and digest. The digest never contains "-", so the
    // content splits at its last "-": names containing "-" stay whole.
    // nullopt when the file is missing, unreadable, has no "-" or no name.
    std::optional<QString> readName() const;
    std::optional<QString> readDigest() const;

    void remove() const;

private:
    QString path_;
};

}  // namespace kav
