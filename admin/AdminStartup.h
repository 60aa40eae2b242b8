#pragma once
#include <functional>

class QWidget;

namespace kav {
class ProgramContext;

// What the console does before its login window shows: skin, settings file,
// program connection, configuration when a setting is empty, version check.
// False when the program must end.
struct AdminStartup {
    std::function<void()> openConfiguration;  // "配置数据库" as a dialog

    bool run(ProgramContext& context, QWidget* loginWindow) const;
};
}  // namespace kav
