#pragma once
#include <QString>

namespace kav {
class Platform;

// The theming layer behind AttachSkin: 96 numbered skins embedded in the
// programs (81 and 82 are one skin, 90 is the default). A number without a
// skin (0, 97 to 99) leaves the plain platform style.
namespace skins {

inline constexpr int kDefaultSkin = 90;
inline constexpr int kCount = 96;
inline const QString kRandomSkinFlag = QStringLiteral("file.txt");

// The style sheet of a skin; empty for a number without one.
QString styleSheet(int number);
// Dresses every window of the program, present and future, in that skin.
void attachSkin(int number);
int attachedSkin();

// The console's skin: when "file.txt" in the program directory holds
// exactly "1", a number from 1 to 99 drawn with the tick count as seed;
// otherwise 90.
int chooseConsoleSkin(const Platform& platform);

}  // namespace skins
}  // namespace kav
