#include "DoubleClickButton.h"

#include <QMouseEvent>

namespace kav::ui {
void DoubleClickButton::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        // The second press already put the button down; its release must not
        // click a second time.
        setDown(false);
        event->accept();
        emit doubleClicked();
        return;
    }
    QPushButton::mouseDoubleClickEvent(event);
}
}  // namespace kav::ui
