#include "pin/KeyPresses.h"

#include <cstdint>

namespace pin {

KeyLook LookAt(std::int16_t keyState) {
    return {.downNow = IsKeyDown(keyState), .pressedSince = (keyState & 1) != 0};
}

bool KeyPresses::IsNewPress(KeyLook now) {
    if (!now.seen) {
        Forget(now);
        return false;
    }
    const bool wasDown = downAtLastPoll_;
    downAtLastPoll_ = now.downNow;
    return !wasDown && (now.downNow || now.pressedSince);
}

}  // namespace pin
