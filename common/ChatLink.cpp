#include "ChatLink.h"

#include "Deployment.h"


namespace kav {
QUrl chatLink(const QString& contactNumber)
{
    QUrl url(deployment::chatHost());
    url.setPath(QStringLiteral("/msgrd"));
    // The query exactly as the messenger expects it, also for an empty number.
    url.setQuery(QStringLiteral("v=3&uin=") + QString::fromLatin1(QUrl::toPercentEncoding(contactNumber))
                     + QStringLiteral("&site=qq&menu=yes"),
                 QUrl::StrictMode);
    return url;
}
}  // namespace kav
