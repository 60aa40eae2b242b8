#pragma once
#include <functional>

namespace kav {
class ProgramContext;

// What the client does before its login window shows: settings file,
// connection probe, version check. False when the program must end.
struct ClientStartup {
    std::function<void()> attachSkin;         // skins
    std::function<bool()> checkVersion;       // false ends the start-up

    bool run(ProgramContext& context) const;
};
}  // namespace kav
