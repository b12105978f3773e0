// The box that captures the hotkey: it wants every key a user can press, and
// tells its parent of each key released in it.
#pragma once

#include <windows.h>

namespace hotkey {

// Sent to the box's parent for each key released in it, the key code in
// the first parameter (WM_APP + 2).
constexpr UINT kKeyReleasedMessage = WM_APP + 2;

// Makes an edit control the capture box.
void MakeCaptureBox(HWND edit);

}  // namespace hotkey
