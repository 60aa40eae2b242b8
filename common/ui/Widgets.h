#pragma once
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRect>

// Small builders for windows laid out with fixed positions and sizes.
namespace kav::ui {

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, bool transparent = true);
QLineEdit* lineEdit(QWidget* parent, const QString& objectName, const QRect& geometry, QLabel* caption,
                    bool password = false);
QPushButton* button(QWidget* parent, const QString& objectName, const QString& text, const QRect& geometry);

// A label showing a value; the caption's text is its accessible name.
QLabel* valueLabel(QWidget* parent, const QString& objectName, const QString& text, const QRect& geometry,
                   const QString& caption);

// One row of a form laid out in a column: caption on the left, edit box on
// the right, rows 34 pixels apart from the top.
struct FormColumn {
    int captionX = 10;
    int editX = 80;
    int editWidth = 168;
    int top = 14;
};
QLineEdit* formRow(QWidget* parent, const FormColumn& column, int row, const QString& caption,
                   const QString& objectName, bool password = false);

// Password boxes mask with "*".
void maskAsPassword(QLineEdit* edit);

}  // namespace kav::ui
