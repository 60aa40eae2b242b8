#include "Credentials.h"

#include "Text.h"

#include <QCryptographicHash>

namespace kav::credentials {

QString md5Hex(const QByteArray& bytes)
{
    return QString::fromLatin1(QCryptographicHash::hash(bytes, QCryptographicHash::Md5).toHex());
}

std::optional<QString> credentialDigest(const QString& typed)
{
    const auto bytes = text::toGbk(typed);
    if (!bytes)
        return std::nullopt;
    return md5Hex(*bytes + QByteArray(kSalt));
}

namespace {
std::optional<QString> markerDigest(const QString& name, const QString& second)
{
    const auto a = text::toGbk(name);
    const auto b = text::toGbk(second);
    if (!a || !b)
        return std::nullopt;
    return md5Hex(*a + *b);
}
}  // namespace

std::optional<QString> clientMarkerDigest(const QString& name, const QString& passwordDigest)
{
    return markerDigest(name, passwordDigest);
}

std::optional<QString> consoleMarkerDigest(const QString& name, const QString& typedPassword)
{
    return markerDigest(name, typedPassword);
}

}  // namespace kav::credentials
