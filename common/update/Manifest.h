#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// The version manifest and the HTTP transfers of the self-update.
namespace kav::update {

// Both programs are this version; the manifest's first element is compared
// with it exactly.
inline const QString kOwnVersion = QStringLiteral("版本1.0");
inline const QString kDownloadName = QStringLiteral("Kavello.exe");

struct HttpResult {
    bool ok = false;  // transferred with a success status
    long status = 0;  // HTTP status, 0 when no answer came
    QByteArray body;
    QString error;
};

// Progress of a transfer: bytes so far and expected (0 when unknown).
using Progress = std::function<void(qint64 done, qint64 total)>;

// Blocking HTTP GET with connect and transfer time-outs, so a dead server
// cannot freeze the program for good.
HttpResult httpGet(const QString& url, const Progress& progress = {});

// The manifest text (GBK) cut at every "***"; a trailing empty piece is
// dropped, a text without "***" is one element, an empty text none.
QStringList splitManifest(const QByteArray& body);

// The elements of the manifest; nullopt when it cannot be fetched (no answer
// or an error status), which the programs take as "no newer version".
std::optional<QStringList> fetchManifest();

inline constexpr long kConnectTimeoutSeconds = 5;
inline constexpr long kManifestTimeoutSeconds = 15;
inline constexpr long kLowSpeedSeconds = 30;  // a download stalled this long fails

}  // namespace kav::update
