#include "Pause.h"

#include <QEventLoop>
#include <QTimer>

namespace kav::ui {
void pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}
}  // namespace kav::ui
