#include "Console.h"

#include "AdminLoginWindow.h"
#include "AdminMainWindow.h"
#include "AdminSetupWindow.h"
#include "AdminStartup.h"
#include "DatabaseConfigWindow.h"
#include "SchemaImportWindow.h"
#include "common/ProgramContext.h"

namespace kav {

Console::Console(ProgramContext& context) : context_(context), login_(std::make_unique<AdminLoginWindow>(context))
{
    login_->openMainWindow = [this] { openMainWindow(); };
}

Console::~Console() { delete config_; }

DatabaseConfigWindow* Console::configurationWindow() { return config_; }

bool Console::start()
{
    AdminStartup startup;
    startup.openConfiguration = [this] { openConfiguration(true); };
    if (!startup.run(context_, login_.get()))
        return false;
    login_->show();
    return true;
}

void Console::openConfiguration(bool asDialog)
{
    if (asDialog) {
        DatabaseConfigWindow window(*this);
        if (window.greet())
            window.exec();
        return;
    }
    if (config_) {  // one at a time; bring it forward
        config_->raise();
        config_->activateWindow();
        return;
    }
    config_ = new DatabaseConfigWindow(*this);
    config_->setAttribute(Qt::WA_DeleteOnClose);
    if (!config_->greet()) {
        delete config_;
        return;
    }
    config_->show();
}

void Console::openImport()
{
    SchemaImportWindow window(*this);
    window.runImport();
    if (!context_.ending())
        window.exec();
}

void Console::openSetup()
{
    AdminSetupWindow window(*this);
    window.exec();
}

void Console::openMainWindow()
{
    main_ = std::make_unique<AdminMainWindow>(*this);
    if (!main_->open()) {
        main_.reset();
        showLogin();
        return;
    }
    main_->show();
}

void Console::showLogin()
{
    login_->show();
    login_->raise();
}

}  // namespace kav
