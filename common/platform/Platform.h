#pragma once
#include <QByteArray>
#include <QString>
#include <QUrl>
#include <optional>

namespace kav {

// DOS file attributes, kept in the user.DOSATTRIB extended attribute as hex
// text ("0x6"), a form Samba also reads.
enum FileAttribute : unsigned { AttrReadOnly = 0x1, AttrHidden = 0x2, AttrSystem = 0x4 };

// Everything outside Qt and the C library that the programs touch. Tests
// derive from it to point the directories elsewhere and fix the address and
// tick count.
class Platform {
public:
    virtual ~Platform() = default;

    virtual QString programDirectory() const;  // directory of the executable
    virtual QString desktopDirectory() const;  // the current user's desktop (XDG)
    // First IPv4 address the machine's own host name resolves to, dotted;
    // empty when it does not resolve.
    virtual QString machineAddress() const;
    virtual quint64 tickCount() const;  // milliseconds since boot
    virtual void setClipboardText(const QString& text);
    virtual bool openUrl(const QUrl& url);
    virtual bool openFile(const QString& path, const QString& workingDirectory);

    // Files. A create-or-replace write refuses a file that carries hidden or
    // system, as the desktop platform the programs come from does; deleting
    // such a file works.
    static bool fileExists(const QString& path);
    static bool writeFile(const QString& path, const QByteArray& bytes);
    static std::optional<QByteArray> readFile(const QString& path);
    static bool deleteFile(const QString& path);
    static bool setAttributes(const QString& path, unsigned attributes);
    static unsigned attributes(const QString& path);

    // A file name in a directory (the programs' names start with a backslash
    // on their home platform; here they are joined with '/').
    static QString join(const QString& directory, const QString& name);
};

}  // namespace kav
