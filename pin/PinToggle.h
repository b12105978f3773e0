#pragma once

#include <cstdint>

#include "platform/Desktop.h"

namespace pin {

// A z-order change only; un-pinning doesn't activate (else Wine keeps it topmost).
constexpr std::uint32_t kPinFlags = platform::swp::kNoSize | platform::swp::kNoMove;
constexpr std::uint32_t kUnpinFlags = kPinFlags | platform::swp::kNoActivate;

bool IsTopmost(platform::Desktop& desktop, platform::Handle window);

enum class PressedOver {
    // Nothing in front, or the shell's stand-in of a switch (Alt+Tab let go).
    WindowOnItsWay,
    // The shell's own windows, and all while a full-screen game holds the screen.
    WindowLeftAlone,
    WindowToToggle,
};
PressedOver JudgeFrontWindow(platform::Desktop& desktop, platform::Handle window);

// Un-pinned windows drop to the bottom.  Never waits for another thread's
// window, so a hung one can't freeze the program.
void ToggleTopmost(platform::Desktop& desktop, platform::Handle window, bool topmost);

}  // namespace pin
