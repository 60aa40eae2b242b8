#include "Widgets.h"

namespace kav::ui {

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, bool transparent)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(geometry);
    if (transparent)
        l->setAttribute(Qt::WA_TranslucentBackground);
    return l;
}

QLabel* valueLabel(QWidget* parent, const QString& objectName, const QString& text, const QRect& geometry,
                   const QString& caption)
{
    auto* l = label(parent, text, geometry);
    l->setObjectName(objectName);
    l->setAccessibleName(caption);
    return l;
}

QLineEdit* formRow(QWidget* parent, const FormColumn& column, int row, const QString& caption,
                   const QString& objectName, bool password)
{
    const int y = column.top + row * 34;
    auto* l = label(parent, caption, {column.captionX, y, column.editX - column.captionX, 24});
    return lineEdit(parent, objectName, {column.editX, y, column.editWidth, 24}, l, password);
}

void maskAsPassword(QLineEdit* edit)
{
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 42"));
}

QLineEdit* lineEdit(QWidget* parent, const QString& objectName, const QRect& geometry, QLabel* caption, bool password)
{
    auto* e = new QLineEdit(parent);
    e->setObjectName(objectName);
    e->setGeometry(geometry);
    if (caption) {
        caption->setBuddy(e);
        e->setAccessibleName(caption->text());
    }
    if (password)
        maskAsPassword(e);
    return e;
}

QPushButton* button(QWidget* parent, const QString& objectName, const QString& text, const QRect& geometry)
{
    auto* b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    b->setGeometry(geometry);
    b->setAutoDefault(false);
    return b;
}

}  // namespace kav::ui
