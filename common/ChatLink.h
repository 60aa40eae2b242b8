#pragma once
#include <QUrl>

namespace kav {
// The messenger's web chat address for a contact number: the configured
// host, path /msgrd, query v=3&uin=<number>&site=qq&menu=yes.
QUrl chatLink(const QString& contactNumber);
// The author's own contact number, used by the console's "联系作者".
inline const QString kAuthorContact = QStringLiteral("Orvane");
}  // namespace kav
