#include "Platform.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>

#include <arpa/inet.h>
#include <netdb.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <ctime>

namespace kav {
namespace {
constexpr const char* kAttrName = "user.DOSATTRIB";
}

QString Platform::programDirectory() const { return QCoreApplication::applicationDirPath(); }

QString Platform::desktopDirectory() const
{
    return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
}

QString Platform::machineAddress() const
{
    char host[256] = {};
    if (gethostname(host, sizeof host - 1) != 0)
        return {};
    addrinfo hints{};
    hints.ai_family = AF_INET;
    addrinfo* list = nullptr;
    if (getaddrinfo(host, nullptr, &hints, &list) != 0 || !list)
        return {};
    char text[INET_ADDRSTRLEN] = {};
    const auto* in = reinterpret_cast<const sockaddr_in*>(list->ai_addr);
    const bool ok = inet_ntop(AF_INET, &in->sin_addr, text, sizeof text) != nullptr;
    freeaddrinfo(list);
    return ok ? QString::fromLatin1(text) : QString();
}

quint64 Platform::tickCount() const
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<quint64>(ts.tv_sec) * 1000u + static_cast<quint64>(ts.tv_nsec / 1000000);
}

void Platform::setClipboardText(const QString& text)
{
    if (auto* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text);
}

bool Platform::openUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

bool Platform::openFile(const QString& path, const QString& /*workingDirectory*/)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool Platform::fileExists(const QString& path) { return QFile::exists(path); }

bool Platform::writeFile(const QString& path, const QByteArray& bytes)
{
    if (fileExists(path) && (attributes(path) & (AttrHidden | AttrSystem)))
        return false;
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size() && f.flush();
}

std::optional<QByteArray> Platform::readFile(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    return f.readAll();
}

bool Platform::deleteFile(const QString& path) { return QFile::remove(path); }

bool Platform::setAttributes(const QString& path, unsigned bits)
{
    const QByteArray native = QFile::encodeName(path);
    const QByteArray value = "0x" + QByteArray::number(bits, 16);
    return setxattr(native.constData(), kAttrName, value.constData(), static_cast<size_t>(value.size()), 0) == 0;
}

unsigned Platform::attributes(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    char value[64] = {};
    const ssize_t n = getxattr(native.constData(), kAttrName, value, sizeof value - 1);
    if (n <= 0)
        return 0;
    bool ok = false;
    const unsigned bits = QByteArray(value, static_cast<int>(n)).trimmed().replace('\0', "").toUInt(&ok, 0);
    return ok ? bits : 0;
}

QString Platform::join(const QString& directory, const QString& name)
{
    return QDir(directory).filePath(name);
}

}  // namespace kav
