// The system's colours a window may take, as the window system reports them
// (on Windows, GetSysColor's), 0x00BBGGRR.
#pragma once

#include <cstdint>

namespace platform {

struct SystemColours {
    std::uint32_t window = 0;      // COLOR_WINDOW
    std::uint32_t buttonFace = 0;  // COLOR_BTNFACE
    std::uint32_t windowText = 0;  // COLOR_WINDOWTEXT
    std::uint32_t hotLight = 0;    // COLOR_HOTLIGHT
    friend bool operator==(const SystemColours&, const SystemColours&) = default;
};

}  // namespace platform
