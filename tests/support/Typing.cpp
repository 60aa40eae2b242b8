#include "Typing.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

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

void fill(QWidget* window, const QList<QPair<const char*, QString>>& fields)
{
    for (const auto& [name, value] : fields) {
        auto* edit = window->findChild<QLineEdit*>(QString::fromLatin1(name));
        if (!edit) {
            ADD_FAILURE() << "no edit box " << name;
            continue;
        }
        typeInto(edit, value);
    }
}

void click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

}  // namespace kav::test
