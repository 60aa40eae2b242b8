#include "Client.h"
#include "common/ProgramContext.h"
#include "common/ui/Application.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    kav::ui::prepareApplication(app);
    kav::Platform platform;
    kav::ProgramContext context(platform);
    kav::Client client(context);
    if (!client.start())
        return 0;
    // Start-up benchmark: leave as soon as the window has been shown.
    if (qEnvironmentVariableIsSet("KAVELLO_EXIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    app.exec();
    return 0;  // the shop's programs always end with 0
}
