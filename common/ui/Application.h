#pragma once
class QApplication;

namespace kav::ui {
// Chinese translations for Qt's own texts (是/否/确定) and a font that has
// the Chinese glyphs.
void prepareApplication(QApplication& app);
}
