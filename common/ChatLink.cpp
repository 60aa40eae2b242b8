#include "ChatLink.h"

#include "Deployment.h"

#include <QUrlQuery>

namespace kav {
QUrl chatLink(const QString& contactNumber)
{
    QUrl url(deployment::chatHost());
    url.setPath(QStringLiteral("/msgrd"));
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("v"), QStringLiteral("3"));
    query.addQueryItem(QStringLiteral("uin"), contactNumber);
    query.addQueryItem(QStringLiteral("site"), QStringLiteral("qq"));
    query.addQueryItem(QStringLiteral("menu"), QStringLiteral("yes"));
    url.setQuery(query);
    return url;
}
}  // namespace kav
