#pragma once
#include <QPushButton>

namespace kav::ui {
// A button that also reports double-clicks. A double-click first delivers
// the click of its first press and release, then doubleClicked; the second
// press and release do not click again.
class DoubleClickButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
signals:
    void doubleClicked();

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};
}  // namespace kav::ui
