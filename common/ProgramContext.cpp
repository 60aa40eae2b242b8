#include "ProgramContext.h"

#include <QApplication>
#include <QWidget>

namespace kav {

void ProgramContext::endProgram()
{
    if (ending_)
        return;
    ending_ = true;
    if (onEnd) {
        onEnd();
        return;
    }
    // Leaves every running event loop, the nested ones of dialogs included.
    QCoreApplication::exit(0);
}

}  // namespace kav
