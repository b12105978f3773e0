#include "pin/HotkeyPoll.h"

#include "pin/KeyPresses.h"
#include "pin/PinToggle.h"
#include "platform/Handle.h"

namespace pin {

bool HotkeyPoll::IsTopmost(platform::Handle hwnd) {
    return pin::IsTopmost(desktop_, hwnd);
}

// One read a tick: a second would find the "pressed since" bit already taken.
KeyLook HotkeyPoll::LookAtHotKey() {
    return LookAt(desktop_.GetAsyncKeyState(HotKey_));
}

void HotkeyPoll::Forget() {
    presses_.Forget(LookAtHotKey());
}

void HotkeyPoll::Tick() {
    TogglePressedWindow();
    // After the toggle, never before it: the frame may wait, the toggle not.
    frame_.Tick();
}

void HotkeyPoll::TogglePressedWindow() {
    // A press over a window that is left alone is used up all the same: it
    // doesn't flip the next window to come to the front.
    if (!presses_.IsNewPress(LookAtHotKey())) {
        return;
    }
    TargetWindow_ = desktop_.GetForegroundWindow();
    if (TargetWindow_ == window_.MainWindow()) {
        return;  // never pin or un-pin ourselves
    }
    if (LeavesAlone(desktop_, TargetWindow_)) {
        return;
    }
    const bool wasTopmost = IsTopmost(TargetWindow_);
    ToggleTopmost(desktop_, TargetWindow_, wasTopmost);
    frame_.Toggled(TargetWindow_, wasTopmost);
}

}  // namespace pin
