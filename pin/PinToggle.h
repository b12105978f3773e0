// Pinning a window on top of all others, and un-pinning it.
#pragma once

#include <cstdint>

#include "platform/Desktop.h"

namespace pin {

// A z-order change only: keep position and size.
constexpr std::uint32_t kPinFlags = platform::swp::kNoSize | platform::swp::kNoMove;
// Un-pinning doesn't activate either.  Without it, moving the foreground
// window to the bottom leaves it topmost on some window systems (Wine among
// them), so un-pinning would fail.
constexpr std::uint32_t kUnpinFlags = kPinFlags | platform::swp::kNoActivate;

bool IsTopmost(platform::Desktop& desktop, platform::Handle window);

// What a press does with the window in front.
enum class PressedOver {
    // No window in front, or the shell's stand-in that holds the front while
    // one window hands it to another (Alt+Tab just let go): the window the
    // press is meant for is on its way.
    WindowOnItsWay,
    // The shell's own windows (the desktop, the taskbar, Start and task view)
    // are never toggled: a pinned desktop would cover every window, and a
    // taskbar, topmost already, would drop behind them all.  Nor is anything
    // while an exclusive full-screen Direct3D program, most often a game,
    // holds the screen: the un-pin would drop the game behind the desktop.
    WindowLeftAlone,
    WindowToToggle,
};
PressedOver JudgeFrontWindow(platform::Desktop& desktop, platform::Handle window);

// A pinned window loses its topmost state and drops to the bottom, behind
// every other window; any other window is pinned.  Another thread's window
// changes when that thread gets to it; the poll never waits for it, so a
// busy or hung window in front can't freeze the program.
void ToggleTopmost(platform::Desktop& desktop, platform::Handle window, bool topmost);

}  // namespace pin
