// Telling presses of the hotkey apart from one poll to the next.
#pragma once

#include <cstdint>

namespace pin {

// GetAsyncKeyState: negative while down; the low bit set when it went down
// since anyone's last read (a tap between two polls leaves only that).
struct KeyLook {
    bool downNow = false;
    bool pressedSince = false;
    // Not a failed read, nor the one after (its bit may tell of an unseen press).
    bool seen = true;
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

}  // namespace pin
