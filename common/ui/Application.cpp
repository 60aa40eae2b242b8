#include "Application.h"

#include <QApplication>
#include <QFont>
#include <QLibraryInfo>
#include <QTranslator>

namespace kav::ui {
void prepareApplication(QApplication& app)
{
    // The programs end only where their windows say so: a window that closes
    // before the next one shows (registration back to login, say) must not
    // end the program on its own.
    QApplication::setQuitOnLastWindowClosed(false);
    auto* translator = new QTranslator(&app);
    if (translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(translator);
    QFont font(QStringLiteral("WenQuanYi Micro Hei"), 9);
    font.setStyleHint(QFont::SansSerif);
    QApplication::setFont(font);
}
}  // namespace kav::ui
