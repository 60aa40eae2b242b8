// A bare Qt window program: the yardstick for the client's start-up.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget w;
    w.setWindowTitle(QStringLiteral("bare"));
    w.resize(346, 168);
    w.show();
    if (qEnvironmentVariableIsSet("KAVELLO_EXIT_WHEN_SHOWN"))
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
