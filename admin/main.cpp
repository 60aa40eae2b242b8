#include "AdminLoginWindow.h"
#include "AdminStartup.h"
#include "common/ProgramContext.h"
#include "common/ui/Application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    kav::ui::prepareApplication(app);
    kav::Platform platform;
    kav::ProgramContext context(platform);

    kav::AdminLoginWindow login(context);
    kav::AdminStartup startup;
    if (!startup.run(context))
        return 0;
    login.show();
    app.exec();
    return 0;  // the shop's programs always end with 0
}
