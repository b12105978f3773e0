#include "pin/KeyPresses.h"

#include <cstdint>

namespace pin {

KeyLook LookAt(std::int16_t keyState) {
    return {IsKeyDown(keyState), (keyState & 1) != 0};
}

bool KeyPresses::IsNewPress(KeyLook now) {
    const bool wasDown = downAtLastPoll_;
    downAtLastPoll_ = now.downNow;
    return !wasDown && (now.downNow || now.pressedSince);
}

}  // namespace pin
