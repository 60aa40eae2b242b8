#include "ClientStartup.h"

#include "common/ProgramContext.h"
#include "common/settings/SettingsFile.h"
#include "common/skins/SkinLoader.h"
#include "common/ui/MessageBox.h"
#include "common/ui/VersionCheck.h"

namespace kav {

bool ClientStartup::run(ProgramContext& context, QWidget* loginWindow)
{
    skins::attachSkin(skins::kDefaultSkin);

    const QString settingsPath = context.programFile(settings::kFileName);
    const auto read = settings::read(settingsPath);
    if (!read) {
        MessageBox::show(QStringLiteral("很抱歉，某文件缺失无法使用，请联系管理修正...！"), MessageBox::kSystemTitle,
                         MessageBox::Stop);
        context.endProgram();
        return false;
    }
    Platform::setAttributes(context.programFile(settings::kLockFileName), AttrHidden | AttrSystem);
    Platform::setAttributes(settingsPath, AttrHidden | AttrSystem);
    context.settings() = *read;

    // Only proves the server is reachable; each login opens its own connection.
    StoreConnection probe;
    if (!probe.connect(context.settings())) {
        MessageBox::show(QStringLiteral("系统连接失败......！"), MessageBox::kDefaultTitle, MessageBox::Stop);
        context.endProgram();
        return false;
    }
    probe.close();

    return versioncheck::atStartup(context, loginWindow, versioncheck::kClientUpgradeTitle);
}

}  // namespace kav
