#include "Manifest.h"

#include "Deployment.h"
#include "common/Text.h"

#include <curl/curl.h>

namespace kav::update {
namespace {

struct Transfer {
    QByteArray body;
    const Progress* progress = nullptr;
};

size_t collect(char* data, size_t size, size_t count, void* user)
{
    static_cast<Transfer*>(user)->body.append(data, static_cast<qsizetype>(size * count));
    return size * count;
}

int report(void* user, curl_off_t total, curl_off_t done, curl_off_t, curl_off_t)
{
    const auto* t = static_cast<Transfer*>(user);
    if (t->progress && *t->progress)
        (*t->progress)(static_cast<qint64>(done), static_cast<qint64>(total));
    return 0;
}

void initialiseOnce()
{
    static const bool done = [] { return curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK; }();
    Q_UNUSED(done);
}

}  // namespace

HttpResult httpGet(const QString& url, const Progress& progress)
{
    initialiseOnce();
    HttpResult result;
    CURL* curl = curl_easy_init();
    if (!curl) {
        result.error = QStringLiteral("cannot start a transfer");
        return result;
    }
    Transfer transfer;
    transfer.progress = &progress;
    const QByteArray address = url.toUtf8();
    curl_easy_setopt(curl, CURLOPT_URL, address.constData());
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, kConnectTimeoutSeconds);
    if (!progress)
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, kManifestTimeoutSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, kLowSpeedSeconds);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, collect);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &transfer);
    if (progress) {
        curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
        curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, report);
        curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &transfer);
    }
    const CURLcode code = curl_easy_perform(curl);
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &result.status);
    curl_easy_cleanup(curl);
    result.body = transfer.body;
    if (code != CURLE_OK) {
        result.error = QString::fromUtf8(curl_easy_strerror(code));
        return result;
    }
    // Only HTTP answers carry a status; a file: or similar address has none.
    result.ok = result.status == 0 || (result.status >= 200 && result.status < 300);
    if (!result.ok)
        result.error = QStringLiteral("HTTP status %1").arg(result.status);
    return result;
}

QStringList splitManifest(const QByteArray& body)
{
    const QString text = text::fromGbk(body).value_or(QString::fromLocal8Bit(body));
    if (text.isEmpty())
        return {};
    QStringList elements = text.split(QStringLiteral("***"));
    if (elements.size() > 1 && elements.last().isEmpty())
        elements.removeLast();
    return elements;
}

std::optional<QStringList> fetchManifest()
{
    const HttpResult r = httpGet(deployment::manifestUrl());
    if (!r.ok)
        return std::nullopt;
    return splitManifest(r.body);
}

}  // namespace kav::update
