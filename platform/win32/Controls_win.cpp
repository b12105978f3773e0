#include "platform/win32/Controls_win.h"

#include <windows.h>

#include "platform/win32/Encoding_win.h"

namespace platform::win {

HWND Win32Controls::ControlHwnd(app::Control control) const {
    FormWindow* form = windows_.FormWith(control);
    return form ? form->ControlWindow(app::ControlId(control)) : nullptr;
}

std::string Win32Controls::GetText(app::Control control) {
    FormWindow* form = windows_.FormWith(control);
    return form ? form->GetText(app::ControlId(control)) : std::string();
}

void Win32Controls::SetText(app::Control control, const std::string& text) {
    if (FormWindow* form = windows_.FormWith(control)) {
        form->SetText(app::ControlId(control), text);
    }
}

bool Win32Controls::IsEnabled(app::Control control) {
    HWND hwnd = ControlHwnd(control);
    return hwnd && ::IsWindowEnabled(hwnd);
}

void Win32Controls::SetEnabled(app::Control control, bool enabled) {
    if (HWND hwnd = ControlHwnd(control)) {
        ::EnableWindow(hwnd, enabled);
    }
}

void Win32Controls::SetFocus(app::Control control) {
    if (HWND hwnd = ControlHwnd(control)) {
        ::SetFocus(hwnd);
    }
}

int Win32Controls::GetCheckValue(app::Control control) {
    HWND hwnd = ControlHwnd(control);
    if (!hwnd) {
        return 0;
    }
    switch (::SendMessageW(hwnd, BM_GETCHECK, 0, 0)) {
        case BST_CHECKED:
            return 1;
        case BST_INDETERMINATE:
            return 2;
        default:
            return 0;
    }
}

// A check box raises its click event whenever its value changes, whoever
// changes it.
void Win32Controls::SetCheckValue(app::Control control, int value) {
    FormWindow* form = windows_.FormWith(control);
    if (!form) {
        return;
    }
    const bool changed = GetCheckValue(control) != value;
    const WPARAM state =
        value == 1 ? BST_CHECKED : (value == 2 ? BST_INDETERMINATE : BST_UNCHECKED);
    ::SendMessageW(form->ControlWindow(app::ControlId(control)), BM_SETCHECK, state, 0);
    if (changed) {
        windows_.RaiseClick(*form, app::ControlId(control));
    }
}

void Win32Controls::SetForeColour(app::Control control, app::Colour colour) {
    if (FormWindow* form = windows_.FormWith(control)) {
        form->SetForeColour(app::ControlId(control), colour);
    }
}

void Win32Controls::ShowMessage(const std::string& text) {
    ::MessageBoxW(windows_.MainHwnd(), Widen(text).c_str(), Widen(appTitle_).c_str(), MB_OK);
}

}  // namespace platform::win
