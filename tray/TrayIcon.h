// The program's icon in the notification area.
#pragma once

#include <cstdint>

namespace tray {

// The same every run: the shell keeps the user's choice by path and id.
constexpr std::uint32_t kIconId = 1;
// WM_APP + 1: the icon's id, and the event in the low word.
constexpr std::uint32_t kCallbackMessage = 0x8000 + 1;
// NOTIFYICON_VERSION: the keyboard's selection gets an event of its own.
constexpr std::uint32_t kCallbackVersion = 3;
constexpr std::uint32_t kLButtonDown = 0x0201;  // WM_LBUTTONDOWN
constexpr std::uint32_t kKeySelect = 0x0401;    // NIN_KEYSELECT: Space or Enter on the icon

// The left button going down, or the keyboard's selection.
inline bool IsRestoreRequest(std::uintptr_t iconId, std::uintptr_t event) {
    const std::uintptr_t what = event & 0xFFFF;
    return iconId == kIconId && (what == kLButtonDown || what == kKeySelect);
}

// At logon the shell may not be ready: a failed add is tried once a second.
class AddRetry {
  public:
    // Ticks of a timer of this period; one slower than a second tries each.
    explicit AddRetry(unsigned tickMilliseconds)
        : ticksBetweenTries_(tickMilliseconds >= 1000 ? 1
                                                      : static_cast<int>(1000 / tickMilliseconds)) {
    }

    void AfterAdd(bool added) {
        trying_ = !added;
        ticksLeft_ = ticksBetweenTries_;
    }
    bool Due() {  // at the tick when the next try is due
        if (!trying_ || --ticksLeft_ > 0) {
            return false;
        }
        ticksLeft_ = ticksBetweenTries_;
        return true;
    }
    void Stop() { trying_ = false; }

  private:
    int ticksBetweenTries_;
    bool trying_ = false;
    int ticksLeft_ = 0;
};

}  // namespace tray
