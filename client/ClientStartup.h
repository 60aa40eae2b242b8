#pragma once

class QWidget;

namespace kav {
class ProgramContext;

// What the client does before its login window shows: skin, settings file,
// connection probe, version check. False when the program must end.
struct ClientStartup {
    static bool run(ProgramContext& context, QWidget* loginWindow);
};
}  // namespace kav
