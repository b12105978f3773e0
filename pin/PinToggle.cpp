#include "pin/PinToggle.h"

namespace pin {

bool IsKeyDown(platform::WindowSystem& ws, std::int32_t key) {
    return ws.GetAsyncKeyState(key) < 0;
}

bool IsTopmost(platform::WindowSystem& ws, platform::Handle window) {
    const std::uint32_t style = ws.GetExtendedStyle(window);
    return (style | platform::kExStyleTopmost) == style;
}

void ToggleTopmost(platform::WindowSystem& ws, platform::Handle window, bool topmost) {
    // Whether the window moved is not looked at: a window that refuses, or
    // is gone by now, simply stays as it is.
    if (topmost) {
        (void)ws.SetWindowPos(window, platform::InsertAfter::Bottom, kUnpinFlags);
    } else {
        (void)ws.SetWindowPos(window, platform::InsertAfter::Topmost, kPinFlags);
    }
}

}  // namespace pin
