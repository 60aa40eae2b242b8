#pragma once
#include <QByteArray>
#include <QString>
#include <optional>

// How passwords are stored and how a login is recorded in the marker.
namespace kav::credentials {

// Compiled into both programs; stored digests depend on it.
inline constexpr char kSalt[] = "qvtm351.net-~+=~^?=+~^?<>~<>^+";

QString md5Hex(const QByteArray& bytes);  // 32 lower-case hex characters

// MD5 of the typed text's GBK bytes followed by the salt. nullopt when the
// text has no GBK form (windows refuse such input before they get here).
std::optional<QString> credentialDigest(const QString& typed);

// Marker digests: MD5 of the name's GBK bytes followed by a second text —
// the client uses the credential digest of the password, the console the
// password as typed.
std::optional<QString> clientMarkerDigest(const QString& name, const QString& passwordDigest);
std::optional<QString> consoleMarkerDigest(const QString& name, const QString& typedPassword);

}  // namespace kav::credentials
