#include "DoubleClickButton.h"

#include <QMouseEvent>

namespace kav::ui {
void DoubleClickButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        event->accept();
        emit doubleClicked();
        return;
    }
    QPushButton::mouseDoubleClickEvent(event);
}
}  // namespace kav::ui
