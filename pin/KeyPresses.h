// Telling presses of the hotkey apart from one poll to the next.
#pragma once

#include <cstdint>

namespace pin {

// What one read of the key state says.
struct KeyLook {
    bool downNow = false;
    // The key went down since the last read, anyone's: a tap between two
    // polls leaves only this behind.  Auto-repeat sets it too.
    bool pressedSince = false;
};

// From a GetAsyncKeyState result: negative while the key is down, the low
// bit set when it went down since the last read.
constexpr bool IsKeyDown(std::int16_t keyState) {
    return keyState < 0;
}
KeyLook LookAt(std::int16_t keyState);

// The poll's memory of the hotkey, so that a press acts once: on the first
// poll that sees it, down or already released again, and never again while
// it is held, however long and however often the keyboard repeats it.
class KeyPresses {
  public:
    // Forgets whatever the key did before this read: a press made before the
    // program ran, or the one that chose the key, is no press of ours.
    void Forget(KeyLook now) { downAtLastPoll_ = now.downNow; }

    // True when this poll's read is a new press.  A key the last poll saw
    // down has had its press; a release and a second press before the next
    // poll can't be told from the keyboard's repeat, and count as the same.
    bool IsNewPress(KeyLook now);

  private:
    bool downAtLastPoll_ = false;
};

}  // namespace pin
