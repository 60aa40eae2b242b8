#include "Typing.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>

namespace kav::test {

void typeInto(QLineEdit* edit, const QString& text)
{
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    bool latin1 = true;
    for (QChar c : text)
        latin1 = latin1 && c.unicode() < 0x100;
    if (latin1) {
        QTest::keyClicks(edit, text);
        return;
    }
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

}  // namespace kav::test
