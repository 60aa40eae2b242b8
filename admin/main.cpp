#include "Console.h"
#include "common/ProgramContext.h"
#include "common/ui/Application.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    kav::ui::prepareApplication(app);
    kav::Platform platform;
    kav::ProgramContext context(platform);
    kav::Console console(context);
    if (!console.start())
        return 0;
    app.exec();
    return 0;  // the shop's programs always end with 0
}
