#include "TestPlatform.h"

#include <QDir>
#include <gtest/gtest.h>

namespace kav::test {
namespace {
// Temporary directories under the build tree: extended attributes (which
// keep the hidden and system flags) work there whatever /tmp is.
QString temporaryTemplate(const char* kind)
{
    const QString parent = QDir::cleanPath(QStringLiteral(KAVELLO_BIN_DIR "/../test-tmp"));
    QDir().mkpath(parent);
    return parent + QLatin1Char('/') + QLatin1String(kind) + QStringLiteral("-XXXXXX");
}
}  // namespace

TestPlatform::TestPlatform()
    : programDir_(temporaryTemplate("program")), desktopDir_(temporaryTemplate("desktop"))
{
    EXPECT_TRUE(programDir_.isValid() && desktopDir_.isValid()) << "temporary directories could not be made";
}

bool TestPlatform::openUrl(const QUrl& url)
{
    openedUrls << url;
    return true;
}

bool TestPlatform::openFile(const QString& path, const QString&)
{
    openedFiles << path;
    return true;
}

}  // namespace kav::test
