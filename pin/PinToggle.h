// Pinning a window on top of all others, and un-pinning it.
#pragma once

#include <cstdint>

#include "platform/WindowSystem.h"

namespace pin {

// How often the hotkey is polled.
constexpr unsigned kPollMilliseconds = 200;

// A z-order change only: keep position and size, and don't activate.  Without
// "don't activate", moving the foreground window to the bottom leaves it
// topmost on some window systems (Wine among them), so un-pinning would fail.
constexpr std::uint32_t kZOrderOnly =
    platform::swp::kNoSize | platform::swp::kNoMove | platform::swp::kNoActivate;

// True while the key is down now; whether it was pressed since the last call
// doesn't matter (and is shared with every other program anyway).
bool IsKeyDown(platform::WindowSystem& ws, std::int32_t key);

bool IsTopmost(platform::WindowSystem& ws, platform::Handle window);

// A pinned window loses its topmost state and drops to the bottom, behind
// every other window; any other window is pinned.
void ToggleTopmost(platform::WindowSystem& ws, platform::Handle window);

}  // namespace pin
