#include "pin/PinToggle.h"

#include <cstdint>

#include "platform/Desktop.h"
#include "platform/Handle.h"

namespace pin {

bool IsKeyDown(platform::Desktop& desktop, std::int32_t key) {
    return desktop.GetAsyncKeyState(key) < 0;
}

bool IsTopmost(platform::Desktop& desktop, platform::Handle window) {
    return (desktop.GetExtendedStyle(window) & platform::kExStyleTopmost) != 0;
}

void ToggleTopmost(platform::Desktop& desktop, platform::Handle window, bool topmost) {
    // Whether the window moved is not looked at: a window that refuses, or
    // is gone by now, simply stays as it is.
    if (topmost) {
        (void)desktop.SetWindowPos(window, platform::InsertAfter::Bottom, kUnpinFlags);
    } else {
        (void)desktop.SetWindowPos(window, platform::InsertAfter::Topmost, kPinFlags);
    }
}

}  // namespace pin
