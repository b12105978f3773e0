#include "pin/PinToggle.h"

namespace pin {

bool IsKeyDown(platform::WindowSystem& ws, std::int32_t key) {
    return ws.GetAsyncKeyState(key) < 0;
}

bool IsTopmost(platform::WindowSystem& ws, platform::Handle window) {
    const std::uint32_t style = ws.GetExtendedStyle(window);
    return (style | platform::kExStyleTopmost) == style;
}

void ToggleTopmost(platform::WindowSystem& ws, platform::Handle window) {
    const platform::InsertAfter where =
        IsTopmost(ws, window) ? platform::InsertAfter::Bottom : platform::InsertAfter::Topmost;
    ws.SetWindowPos(window, where, kZOrderOnly);
}

}  // namespace pin
