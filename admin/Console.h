#pragma once
#include <QPointer>
#include <functional>
#include <memory>

namespace kav {
class ProgramContext;
class AdminLoginWindow;
class AdminMainWindow;
class DatabaseConfigWindow;

// The console's windows and the ways between them. main() (or a test)
// creates one over a program context; windows reach each other through it.
class Console {
public:
    explicit Console(ProgramContext& context);
    ~Console();

    ProgramContext& context() { return context_; }
    AdminLoginWindow& loginWindow() { return *login_; }
    AdminMainWindow* mainWindow() { return main_.get(); }
    DatabaseConfigWindow* configurationWindow();

    // Start-up up to the login window; false when the console must end.
    bool start();

    // "配置数据库": as a dialog at start-up, modeless from the main window.
    void openConfiguration(bool asDialog);
    // "导入数据库文件" as a dialog, after a successful configuration.
    void openImport();
    // "配置管理 - BY:Orvane" as a dialog, after the import.
    void openSetup();
    // "管理窗口 - BY:Orvane" after a login; back to login when the marker
    // names nobody.
    void openMainWindow();
    void showLogin();

private:
    ProgramContext& context_;
    std::unique_ptr<AdminLoginWindow> login_;
    std::unique_ptr<AdminMainWindow> main_;
    QPointer<DatabaseConfigWindow> config_;
};

}  // namespace kav
