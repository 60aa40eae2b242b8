#include "AdminStartup.h"

#include "common/ProgramContext.h"
#include "common/settings/SettingsFile.h"
#include "common/skins/SkinLoader.h"
#include "common/ui/MessageBox.h"
#include "common/ui/VersionCheck.h"

namespace kav {

bool AdminStartup::run(ProgramContext& context, QWidget* loginWindow) const
{
    skins::attachSkin(skins::chooseConsoleSkin(context.platform()));

    const QString settingsPath = context.programFile(settings::kFileName);
    const auto read = settings::read(settingsPath);
    if (!read) {
        MessageBox::show(QStringLiteral("系统文件缺失!"), MessageBox::kSystemTitle, MessageBox::Stop);
        context.endProgram();
        return false;
    }
    Platform::setAttributes(context.programFile(settings::kLockFileName), AttrHidden | AttrSystem);
    Platform::setAttributes(settingsPath, AttrHidden | AttrSystem);
    context.settings() = *read;

    // The program connection; a failure is not reported here (the login says it).
    context.connection().connect(context.settings());

    const ConnectionSettings& s = context.settings();
    if ((s.mysqlname.isEmpty() || s.username.isEmpty() || s.ip.isEmpty() || s.pass.isEmpty()) && openConfiguration)
        openConfiguration();
    if (context.ending())
        return false;

    return versioncheck::atStartup(context, loginWindow, versioncheck::kConsoleUpgradeTitle);
}

}  // namespace kav
