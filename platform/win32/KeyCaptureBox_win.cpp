// The box that captures the hotkey: it wants every key a user can press.
#include <windows.h>
#include <commctrl.h>

#include "platform/win32/FormWindow_win.h"

namespace platform::win {

LRESULT CALLBACK FormWindow::TextBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR self) noexcept {
    return reinterpret_cast<FormWindow*>(self)->HandleTextBoxMessage(hwnd, message, wParam, lParam);
}

// The capture box wants every key a user can press: Tab, Enter and Escape
// must not move the focus or press a button, and Alt or F10 must not open
// the system menu, so that each of them can become the hotkey.  Its text is
// only ever the key's name, never what the key types.
LRESULT FormWindow::HandleTextBoxMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            return ::DefSubclassProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            for (const Item& item : items_) {
                if (item.hwnd == hwnd) {
                    host_.OnKeyUp(*this, item.def->id, static_cast<int>(wParam));
                }
            }
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
            return 0;
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(hwnd, &FormWindow::TextBoxProc, kTextBoxSubclassId);
            break;
        default:
            break;
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace platform::win
