#include "Deployment.h"

namespace kav::deployment {
namespace {
QString valueOf(const char* name, const char* fallback)
{
    const QByteArray env = qgetenv(name);
    return env.isEmpty() ? QString::fromUtf8(fallback) : QString::fromUtf8(env);
}
}  // namespace

QString chatHost() { return valueOf("KAVELLO_CHAT_HOST", kDefaultChatHost); }
QString manifestUrl() { return valueOf("KAVELLO_MANIFEST_URL", kDefaultManifestUrl); }
QString authorEmail() { return valueOf("KAVELLO_AUTHOR_EMAIL", kDefaultAuthorEmail); }
QString hyperlinkUrl() { return valueOf("KAVELLO_HYPERLINK_URL", kDefaultHyperlinkUrl); }
}  // namespace kav::deployment
