// The hotkey poll: every tick looks at the hotkey and, at each new press,
// flips the foreground window between pinned and not.
#pragma once

#include <cstdint>

#include "pin/KeyPresses.h"
#include "pin/PinFrame.h"
#include "platform/Desktop.h"
#include "platform/Handle.h"
#include "platform/Highlight.h"

namespace pin {

// How often the hotkey is polled: the main window's timer.
inline constexpr unsigned kPollMilliseconds = 200;

class HotkeyPoll {
  public:
    HotkeyPoll(platform::Desktop& desktop, platform::Highlight& highlight)
        : desktop_(desktop), frame_(highlight) {}

    // The program's own main window, which a press never pins.
    void SetOwnWindow(platform::Handle window) { ownWindow_ = window; }

    // One tick of the timer.
    void Tick();
    // Whatever the hotkey did before now, a press made before the program ran
    // or the one that chose the key in the box, toggles nothing later.
    void Forget();

    // The key is live from the next tick on.
    void SetHotKey(std::int16_t key) { HotKey_ = key; }
    std::int16_t HotKey() const { return HotKey_; }
    // The foreground window the last press found; nothing else reads it.
    platform::Handle TargetWindow() const { return TargetWindow_; }

    bool IsTopmost(platform::Handle hwnd);

  private:
    // One read of the hotkey, and the window in front when it was made.
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
    // The window in front at the last read, whether the keyboard can be read
    // over it (asked once a window), and whether the last read worked.
    platform::Handle front_ = 0;
    bool keysReadableOverFront_ = true;
    bool lastReadWorked_ = true;
};

}  // namespace pin
