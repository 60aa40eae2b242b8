#include "SkinLoader.h"

#include "common/platform/Platform.h"

#include <QApplication>
#include <QFile>

#include <random>

// Resources of a static library must be registered by name; this also keeps
// the linker from dropping them.
static void registerSkinResources()
{
    static const bool registered = [] {
        Q_INIT_RESOURCE(skins);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace kav::skins {
namespace {
int attached = 0;
}

QString styleSheet(int number)
{
    if (number < 1 || number > kCount)
        return {};
    registerSkinResources();
    QFile f(QStringLiteral(":/skins/%1.qss").arg(number));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

void attachSkin(int number)
{
    attached = number;
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        app->setStyleSheet(styleSheet(number));
}

int attachedSkin() { return attached; }

int chooseConsoleSkin(const Platform& platform)
{
    const auto flag = Platform::readFile(Platform::join(platform.programDirectory(), kRandomSkinFlag));
    if (!flag || *flag != "1")
        return kDefaultSkin;
    std::mt19937 generator(static_cast<std::mt19937::result_type>(platform.tickCount()));
    return std::uniform_int_distribution<int>(1, 99)(generator);
}

}  // namespace kav::skins
