// A window or icon handle, as the window system hands it out: every role
// passes them, none owns them.
#pragma once

#include <cstdint>

namespace platform {

using Handle = std::uintptr_t;

}  // namespace platform
