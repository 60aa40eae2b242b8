#include "MessageBox.h"

#include <QApplication>
#include <QMessageBox>

namespace kav {
namespace {
MessageBox::Responder& responder()
{
    static MessageBox::Responder r;
    return r;
}
}  // namespace

void MessageBox::setResponder(Responder r) { responder() = std::move(r); }

int MessageBox::show(const QString& text, const QString& title, int flags)
{
    if (responder())
        return responder()(text, title, flags);
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title.isEmpty() ? kDefaultTitle : title);
    box.setText(text);
    box.setWindowModality(Qt::ApplicationModal);
    switch (flags & 0xF0) {
    case Stop: box.setIcon(QMessageBox::Critical); break;
    case 0x20: box.setIcon(QMessageBox::Question); break;
    case Exclamation: box.setIcon(QMessageBox::Warning); break;
    case Information: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
    }
    if ((flags & 0x0F) == YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? AnswerYes : AnswerNo;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return AnswerOk;
}

bool MessageBox::ask(const QString& text, const QString& title, int flags)
{
    return show(text, title, flags | YesNo) == AnswerYes;
}

}  // namespace kav
