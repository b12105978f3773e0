// The hotkey poll: each new press flips the foreground window's pin.
#pragma once

#include <cstdint>

#include "pin/KeyPresses.h"
#include "pin/PinFrame.h"
#include "platform/Desktop.h"
#include "platform/Highlight.h"

namespace pin {

inline constexpr unsigned kPollMilliseconds = 200;

class HotkeyPoll {
  public:
    HotkeyPoll(platform::Desktop& desktop, platform::Highlight& highlight)
        : desktop_(desktop), frame_(highlight) {}

    // The program's own main window, which a press never pins.
    void SetOwnWindow(platform::Handle window) { ownWindow_ = window; }

    void Tick();
    // What the key did before now toggles nothing later.
    void Forget();
    void SetHotKey(std::int16_t key) { HotKey_ = key; }
    std::int16_t HotKey() const { return HotKey_; }
    // The foreground window the last press found.
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
