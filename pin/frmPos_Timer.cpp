// The main window's timer: every tick looks at the hotkey and, at each new
// press, flips the foreground window between pinned and not.
#include "app/frmPos.h"
#include "pin/KeyPresses.h"
#include "pin/PinToggle.h"
#include "platform/Handle.h"

namespace app {

bool frmPos::IsTopmost(platform::Handle hwnd) {
    return pin::IsTopmost(roles_.desktop, hwnd);
}

// One read a tick: a second would find the "pressed since" bit already taken.
pin::KeyLook frmPos::LookAtHotKey() {
    return pin::LookAt(roles_.desktop.GetAsyncKeyState(HotKey_));
}

// Whatever the hotkey did before now, a press made before the program ran or
// the one that chose the key in the box, toggles nothing later.
void frmPos::ForgetHotKeyPresses() {
    hotkeyPresses_.Forget(LookAtHotKey());
}

void frmPos::Timer1_Timer() {
    // The poll is the program's only clock; a tray icon the shell wasn't
    // ready for rides on it.
    RetryTrayIcon();
    // A press over a window that is left alone is used up all the same: it
    // doesn't flip the next window to come to the front.
    if (!hotkeyPresses_.IsNewPress(LookAtHotKey())) {
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
