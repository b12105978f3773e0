#include "tray/TrayIcon.h"

#include <cstdint>

namespace tray {

bool IsRestoreRequest(std::uintptr_t iconId, std::uintptr_t eventParam) {
    if (iconId != kIconId) {
        return false;
    }
    switch (eventParam & 0xFFFF) {
        case event::kLButtonDown:
        case event::kKeySelect:
            return true;
        default:
            return false;
    }
}

void AddRetry::AfterAdd(bool added) {
    trying_ = !added;
    ticksLeft_ = ticksBetweenTries_;
}

bool AddRetry::Due() {
    if (!trying_ || --ticksLeft_ > 0) {
        return false;
    }
    ticksLeft_ = ticksBetweenTries_;
    return true;
}

}  // namespace tray
