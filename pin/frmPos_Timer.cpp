// The main window's timer: every tick looks at the hotkey and, while it is
// down, flips the foreground window between pinned and not.
#include <cstdint>

#include "app/frmPos.h"
#include "pin/PinToggle.h"
#include "platform/Handle.h"

namespace app {

bool frmPos::IsKeyDown(std::int16_t key) {
    return pin::IsKeyDown(roles_.desktop, key);
}

bool frmPos::IsTopmost(platform::Handle hwnd) {
    return pin::IsTopmost(roles_.desktop, hwnd);
}

void frmPos::Timer1_Timer() {
    // The poll is the program's only clock; a tray icon the shell wasn't
    // ready for rides on it.
    RetryTrayIcon();
    if (!IsKeyDown(HotKey_)) {
        return;
    }
    TargetWindow_ = roles_.desktop.GetForegroundWindow();
    if (TargetWindow_ == roles_.window.MainWindow()) {
        return;  // never pin or un-pin ourselves
    }
    if (pin::LeavesAlone(roles_.desktop, TargetWindow_)) {
        return;
    }
    pin::ToggleTopmost(roles_.desktop, TargetWindow_, IsTopmost(TargetWindow_));
}

}  // namespace app
