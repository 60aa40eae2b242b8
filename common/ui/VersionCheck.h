#pragma once
#include <QString>

class QWidget;

namespace kav {
class ProgramContext;

// The version check of both programs: at start-up and on the console's
// "程序升级".
namespace versioncheck {

inline const QString kClientUpgradeTitle = QStringLiteral("版本升级");
inline const QString kConsoleUpgradeTitle = QStringLiteral("版本升级 - BY:Orvane");

// At start-up. A manifest that cannot be fetched or names no version means
// no newer one. On a newer version asks; No ends the program, Yes hides
// the window given and opens the upgrade window, whose closing ends it.
// False when the program must end.
bool atStartup(ProgramContext& context, QWidget* loginWindow, const QString& upgradeTitle);

// On demand: says when the update server cannot be reached or the program is
// up to date; otherwise asks as at start-up.
void onDemand(ProgramContext& context, QWidget* parent, const QString& upgradeTitle);

}  // namespace versioncheck
}  // namespace kav
