#include <windows.h>
#include <commctrl.h>
#include <imm.h>

#include "hotkey/HotkeyCapture.h"

namespace hotkey {
namespace {

constexpr UINT_PTR kSubclassId = 1;

// The text is only ever the key's name.
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

// Keys, not text: an input method would hand it VK_PROCESSKEY instead.
void MakeCaptureBox(HWND edit) {
    ::ImmAssociateContext(edit, nullptr);
    ::SetWindowSubclass(edit, CaptureBoxProc, kSubclassId, 0);
}

}  // namespace hotkey
