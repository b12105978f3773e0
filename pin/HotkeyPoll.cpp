#include "pin/HotkeyPoll.h"

#include <cstdint>

#include "pin/PinToggle.h"
#include "platform/Desktop.h"

namespace pin {

// One read a tick (a second would find the "pressed since" bit taken).  A
// failed read says 0: believed only where the keyboard can be read over the
// window in front, asked once a window.
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
    // After a failed read the "pressed since" bit may tell of a press no poll
    // could see; "down now" is current, so a key held on is a press here.
    key.seen = worked;
    key.pressedSince = key.pressedSince && lastReadWorked_;
    lastReadWorked_ = worked;
    return {.key = key, .front = front};
}

void HotkeyPoll::TogglePressedWindow() {
    const Read read = ReadHotKey();
    // A press over a window left alone is used up all the same.
    if (!presses_.IsNewPress(read.key)) {
        return;
    }
    TargetWindow_ = read.front;
    if (TargetWindow_ == ownWindow_) {
        return;  // never pin or un-pin ourselves
    }
    switch (JudgeFrontWindow(desktop_, TargetWindow_)) {
        case PressedOver::WindowOnItsWay:
            // A press still held waits for the window on its way.
            presses_.KeepForNextPoll();
            return;
        case PressedOver::WindowLeftAlone:
            return;
        case PressedOver::WindowToToggle:
            break;
    }
    const bool wasTopmost = IsTopmost(desktop_, TargetWindow_);
    ToggleTopmost(desktop_, TargetWindow_, wasTopmost);
    frame_.Toggled(TargetWindow_, wasTopmost);
}

}  // namespace pin
