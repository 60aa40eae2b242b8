#pragma once
#include <functional>

namespace kav {
class ProgramContext;

// What the console does before its login window shows. False when the
// program must end.
struct AdminStartup {
    std::function<void()> attachSkin;       // skins
    std::function<void()> openConfiguration;  // "配置数据库" as a dialog
    std::function<bool()> checkVersion;     // false ends the start-up

    bool run(ProgramContext& context) const;
};
}  // namespace kav
