#include "ControlStyle.h"

#include <QApplication>
#include <QPalette>
#include <QStyleFactory>

namespace kav::ui {
namespace {
bool inUse = false;
}

void useBlueControlStyle()
{
    if (inUse)
        return;
    inUse = true;
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Window, QColor(0xec, 0xe9, 0xd8));         // XP's dialog beige
    p.setColor(QPalette::Button, QColor(0xf2, 0xf4, 0xfb));
    p.setColor(QPalette::Highlight, QColor(0x31, 0x6a, 0xc5));      // XP blue
    p.setColor(QPalette::Light, QColor(0xff, 0xff, 0xff));
    p.setColor(QPalette::Mid, QColor(0x7f, 0x9d, 0xb9));
    p.setColor(QPalette::Dark, QColor(0x00, 0x3c, 0x74));           // blue frames
    p.setColor(QPalette::Base, Qt::white);
    QApplication::setPalette(p);
}

bool blueControlStyleInUse() { return inUse; }
}  // namespace kav::ui
