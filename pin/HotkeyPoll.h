// The hotkey poll: each new press flips the foreground window's pin.
#pragma once

#include <cstdint>

#include "pin/PinFrame.h"
#include "platform/Desktop.h"
#include "platform/Highlight.h"

namespace pin {

// One read of GetAsyncKeyState: negative while down; the low bit set when it went down
// since anyone's last read (a tap between two polls leaves only that).
struct KeyLook {
    bool downNow = false;
    bool pressedSince = false;
    bool seen = true;  // not a read that failed: it says 0, whatever the key did
};

inline KeyLook LookAt(std::int16_t keyState) {
    return {.downNow = keyState < 0, .pressedSince = (keyState & 1) != 0};
}

// The poll's memory of the hotkey: a press acts once, at the first poll that
// sees it, down or let go again, never again while it is held.
class KeyPresses {
  public:
    // What the key did before this read is no press of ours.
    void Forget(KeyLook now) { downAtLastPoll_ = now.downNow; }

    // A release and a press between two polls count as the repeat they look like.
    bool IsNewPress(KeyLook now) {
        if (!now.seen) {
            Forget(now);
            return false;
        }
        const bool wasDown = downAtLastPoll_;
        downAtLastPoll_ = now.downNow;
        return !wasDown && (now.downNow || now.pressedSince);
    }

    // A key still held is a new press to the next poll.
    void KeepForNextPoll() { downAtLastPoll_ = false; }

  private:
    bool downAtLastPoll_ = false;
};

inline constexpr unsigned kPollMilliseconds = 200;

class HotkeyPoll {
  public:
    HotkeyPoll(platform::Desktop& desktop, platform::Highlight& highlight)
        : desktop_(desktop), frame_(highlight) {}

    // The program's own main window, which a press never pins.
    void SetOwnWindow(platform::Handle window) { ownWindow_ = window; }

    void Tick() { TogglePressedWindow(); }
    // The frame's own timer went off.
    void WakeFrame() { frame_.Wake(); }
    void Forget() { presses_.Forget(ReadHotKey().key); }
    void SetHotKey(std::int16_t key) { HotKey_ = key; }
    std::int16_t HotKey() const { return HotKey_; }
    platform::Handle TargetWindow() const { return TargetWindow_; }

  private:
    struct Read {
        KeyLook key;
        platform::Handle front = 0;
    };
    Read ReadHotKey();
    void TogglePressedWindow();

    platform::Desktop& desktop_;
    platform::Handle ownWindow_ = 0;
    std::int16_t HotKey_ = 0;
    platform::Handle TargetWindow_ = 0;
    KeyPresses presses_;
    PinFrame frame_;
    // At the last read (readability asked once a window).
    platform::Handle front_ = 0;
    bool keysReadableOverFront_ = true;
    bool lastReadWorked_ = true;
};

}  // namespace pin
