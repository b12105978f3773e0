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
    // The read can be trusted to tell of this poll alone.  Not when it
    // failed (it says 0, whatever the key did), nor when the read before it
    // failed: whether a failed read takes the "pressed since" bit is not
    // documented, so the bit may tell of a press no poll could see.
    bool seen = true;
};

// From a GetAsyncKeyState result: negative while the key is down, the low
// bit set when it went down since the last read.
constexpr bool IsKeyDown(std::int16_t keyState) {
    return keyState < 0;
}
inline KeyLook LookAt(std::int16_t keyState) {
    return {.downNow = IsKeyDown(keyState), .pressedSince = (keyState & 1) != 0};
}

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
    // A read not seen is no press: it forgets instead, so a key held since
    // then has had its press too.
    bool IsNewPress(KeyLook now) {
        if (!now.seen) {
            Forget(now);
            return false;
        }
        const bool wasDown = downAtLastPoll_;
        downAtLastPoll_ = now.downNow;
        return !wasDown && (now.downNow || now.pressedSince);
    }

    // The press this poll found is not used up: the key, if still held,
    // is a new press to the next poll.  (A tap, already let go, can't wait.)
    void KeepForNextPoll() { downAtLastPoll_ = false; }

  private:
    bool downAtLastPoll_ = false;
};

}  // namespace pin
