#include "pin/HotkeyPoll.h"

#include <cstdint>

#include "pin/KeyPresses.h"
#include "pin/PinToggle.h"
#include "platform/Handle.h"

namespace pin {

bool HotkeyPoll::IsTopmost(platform::Handle hwnd) {
    return pin::IsTopmost(desktop_, hwnd);
}

// One read a tick: a second would find the "pressed since" bit already taken.
//
// A read fails, and says 0, while the keyboard is kept from the program: an
// administrator's window in front, or another desktop (the lock screen, a
// UAC prompt) with nothing in front for the program.  So a read that says
// anything worked, and a 0 is believed where the keyboard can be read over
// the window in front: asked once for each window that comes to the front,
// and at every read while none is.  A read that says something over the
// window the last read was taken to fail over shows that the keyboard can be
// read over it after all: the last read worked too.
HotkeyPoll::Read HotkeyPoll::ReadHotKey() {
    const std::int16_t state = desktop_.GetAsyncKeyState(HotKey_);
    const platform::Handle front = desktop_.GetForegroundWindow();
    const bool sameFront = front != 0 && front == front_;
    front_ = front;
    if (state != 0) {
        keysReadableOverFront_ = true;
        lastReadWorked_ = lastReadWorked_ || sameFront;
    } else if (!sameFront) {
        keysReadableOverFront_ = desktop_.KeysReadableOver(front);
    }
    const bool worked = state != 0 || keysReadableOverFront_;
    KeyLook key = LookAt(state);
    // The "pressed since" bit tells of the time since the last read that
    // worked: after a failed one, it may tell of a press no poll could see.
    key.seen = worked && lastReadWorked_;
    lastReadWorked_ = worked;
    return {.key = key, .front = front};
}

void HotkeyPoll::Forget() {
    presses_.Forget(ReadHotKey().key);
}

void HotkeyPoll::Tick() {
    TogglePressedWindow();
    // After the toggle, never before it: the frame may wait, the toggle not.
    frame_.Tick();
}

void HotkeyPoll::TogglePressedWindow() {
    const Read read = ReadHotKey();
    // A press over a window that is left alone is used up all the same: it
    // doesn't flip the next window to come to the front.
    if (!presses_.IsNewPress(read.key)) {
        return;
    }
    TargetWindow_ = read.front;
    if (TargetWindow_ == ownWindow_) {
        return;  // never pin or un-pin ourselves
    }
    switch (JudgeFrontWindow(desktop_, TargetWindow_)) {
        case PressedOver::WindowOnItsWay:
            // Only while the windows change places (Alt+Tab just let go) a
            // press still held waits for the window on its way to the front.
            presses_.KeepForNextPoll();
            return;
        case PressedOver::WindowLeftAlone:
            return;
        case PressedOver::WindowToToggle:
            break;
    }
    const bool wasTopmost = IsTopmost(TargetWindow_);
    ToggleTopmost(desktop_, TargetWindow_, wasTopmost);
    frame_.Toggled(TargetWindow_, wasTopmost);
}

}  // namespace pin
