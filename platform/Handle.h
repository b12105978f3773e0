// Window and icon handles, as the window system hands them out: every role
// passes them, none owns them.
#pragma once

#include <cstdint>

namespace platform {

// A window's handle.
using Handle = std::uintptr_t;
// An icon's handle: a type of its own, so that an icon can't be passed where
// a window is meant, or the other way round.
enum class IconHandle : std::uintptr_t {};

}  // namespace platform
