#pragma once

namespace kav::ui {
// Waits the given time while still handling window events (timers, paints).
void pause(int milliseconds);
}
