#pragma once

namespace kav::ui {
// The client's XP-like drawing of standard controls in the blue colour
// scheme: from the first call on, every window of the program, including
// windows created later, draws its buttons, edit boxes and lists that way.
void useBlueControlStyle();
bool blueControlStyleInUse();
}  // namespace kav::ui
