#include "AdminStartup.h"

#include "common/ProgramContext.h"
#include "common/ui/Forms.h"
#include "common/skins/SkinLoader.h"
#include "common/ui/MessageBox.h"
#include "common/ui/VersionCheck.h"

namespace kav {

bool AdminStartup::run(ProgramContext& context, QWidget* loginWindow) const
{
    skins::attachSkin(skins::chooseConsoleSkin(context.platform()));

    if (!ui::loadProgramSettings(context, QStringLiteral("系统文件缺失!")))
        return false;

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
