// Choosing the hotkey in the main window.
#include <cstdint>

#include "app/frmPos.h"
#include "hotkey/HotkeyCapture.h"

namespace app {

// The file is written when capturing starts as well as when it ends.
void frmPos::cmdSetKey_Click() {
    if (hotkey::ClickSetKey(roles_.controls) != hotkey::ClickOutcome::Rejected) {
        SaveConfig();
    }
}

// The key is live from the next poll on, before the button confirms it; its
// name replaces whatever the key typed into the box.  A key an input method
// took for itself leaves everything as it was.
void frmPos::Text1_KeyUp(std::int16_t& keyCode) {
    if (!hotkey::IsCapturable(keyCode)) {
        return;
    }
    HotKey_ = keyCode;
    ForgetHotKeyPresses();
    ShowHotKeyName(keyCode);
}

}  // namespace app
