#pragma once
#include "common/platform/Platform.h"

#include <QList>
#include <QObject>
#include <QTemporaryDir>
#include <QUrl>

namespace kav::test {

// A platform on temporary program and desktop directories, with a fixed
// machine address and tick count. Opened URLs and files are captured.
class TestPlatform : public Platform {
public:
    TestPlatform();

    QString programDirectory() const override { return programDir_.path(); }
    QString desktopDirectory() const override { return desktopDir_.path(); }
    QString machineAddress() const override { return address; }
    quint64 tickCount() const override { return ticks; }
    bool openUrl(const QUrl& url) override;
    bool openFile(const QString& path, const QString& workingDirectory) override;

    QString address = QStringLiteral("192.0.2.10");
    quint64 ticks = 123456;
    QList<QUrl> openedUrls;
    QStringList openedFiles;

    QString programFile(const QString& name) const { return join(programDirectory(), name); }

private:
    QTemporaryDir programDir_;
    QTemporaryDir desktopDir_;
};

}  // namespace kav::test
