#include "VersionCheck.h"

#include "MessageBox.h"
#include "UpgradeWindow.h"
#include "common/ProgramContext.h"
#include "common/update/Manifest.h"

#include <QWidget>

namespace kav::versioncheck {
namespace {
// Asks about the newer version; ends the program one way or the other.
void offerUpgrade(ProgramContext& context, QWidget* hide, QWidget* parent, const QString& title)
{
    if (!MessageBox::ask(QStringLiteral("发现新版本,是否进行升级？"))) {
        context.endProgram();
        return;
    }
    if (hide)
        hide->hide();
    UpgradeWindow window(context, title, parent);
    window.fetch();
    if (!context.ending())
        window.exec();
    context.endProgram();  // there is no way back from the upgrade window
}
}  // namespace

bool atStartup(ProgramContext& context, QWidget* loginWindow, const QString& upgradeTitle)
{
    const auto elements = update::fetchManifest();
    if (!elements || elements->isEmpty() || elements->first() == update::kOwnVersion)
        return true;
    offerUpgrade(context, loginWindow, nullptr, upgradeTitle);
    return !context.ending();
}

void onDemand(ProgramContext& context, QWidget* parent, const QString& upgradeTitle)
{
    const auto elements = update::fetchManifest();
    if (!elements || elements->isEmpty()) {
        MessageBox::show(QStringLiteral("无法连接升级服务器,请检查网络或稍后再试!"), MessageBox::kSystemTitle,
                         MessageBox::Stop);
        return;
    }
    if (elements->first() == update::kOwnVersion) {
        MessageBox::show(QStringLiteral("已经是最新版本,无需升级!"), MessageBox::kSystemTitle, MessageBox::Stop);
        return;
    }
    offerUpgrade(context, nullptr, parent, upgradeTitle);
}

}  // namespace kav::versioncheck
