#include "hotkey/CaptureBox_win.h"

#include <commctrl.h>
#include <imm.h>

namespace hotkey {
namespace {

constexpr UINT_PTR kSubclassId = 1;

// Tab, Enter and Escape must not move the focus or press a button, and Alt
// or F10 must not open the system menu, so that each of them can become the
// hotkey.  The box's text is only ever the key's name, never what it types.
LRESULT CALLBACK CaptureBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                UINT_PTR /*id*/, DWORD_PTR /*data*/) noexcept {
    switch (message) {
        case WM_GETDLGCODE:
            return ::DefSubclassProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            ::SendMessageW(::GetParent(hwnd), kKeyReleasedMessage, wParam, 0);
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
            return 0;
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(hwnd, CaptureBoxProc, kSubclassId);
            break;
        default:
            break;
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

// The box captures keys, not text: an input method (on by default on Chinese
// systems) would hand it VK_PROCESSKEY instead of the key that was pressed.
void MakeCaptureBox(HWND edit) {
    ::ImmAssociateContext(edit, nullptr);
    ::SetWindowSubclass(edit, CaptureBoxProc, kSubclassId, 0);
}

}  // namespace hotkey
