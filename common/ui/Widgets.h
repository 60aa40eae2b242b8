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

// Password boxes mask with "*".
void maskAsPassword(QLineEdit* edit);

}  // namespace kav::ui
