#include "ClientStartup.h"

#include "common/ProgramContext.h"
#include "common/ui/Forms.h"
#include "common/skins/SkinLoader.h"
#include "common/ui/MessageBox.h"
#include "common/ui/VersionCheck.h"

namespace kav {

bool ClientStartup::run(ProgramContext& context, QWidget* loginWindow)
{
    skins::attachSkin(skins::kDefaultSkin);

    if (!ui::loadProgramSettings(context, QStringLiteral("很抱歉，某文件缺失无法使用，请联系管理修正...！")))
        return false;

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
