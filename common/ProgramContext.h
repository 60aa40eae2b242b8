#pragma once
#include "ConnectionSettings.h"
#include "LoginMarker.h"
#include "StoreConnection.h"
#include "platform/Platform.h"

#include <QDateTime>
#include <functional>

namespace kav {

// What a program's windows share: the store connection and its settings,
// the platform services, the clock and the way the program ends. Created in
// main() (or by a test) and handed to every window.
class ProgramContext {
public:
    explicit ProgramContext(Platform& platform) : platform_(platform) {}

    Platform& platform() const { return platform_; }
    StoreConnection& connection() { return connection_; }
    ConnectionSettings& settings() { return settings_; }

    QString programDirectory() const { return platform_.programDirectory(); }
    QString programFile(const QString& name) const { return Platform::join(programDirectory(), name); }
    LoginMarker marker() const { return LoginMarker(programDirectory()); }

    QDateTime now() const { return clock ? clock() : QDateTime::currentDateTime(); }
    std::function<QDateTime()> clock;

    // Ends the program with exit code 0. Handlers return right after calling
    // it. Tests replace onEnd to record the end instead.
    void endProgram();
    bool ending() const { return ending_; }
    std::function<void()> onEnd;

private:
    Platform& platform_;
    StoreConnection connection_;
    ConnectionSettings settings_;
    bool ending_ = false;
};

}  // namespace kav
