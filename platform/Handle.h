// A window's handle, as the window system hands it out to the portable
// logic: every part passes it, none owns it.
#pragma once

#include <cstdint>

namespace platform {

using Handle = std::uintptr_t;

}  // namespace platform
