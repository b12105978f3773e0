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
    return ::SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

// BM_SETCHECK raises no click of its own.
void Win32Controls::SetCheckValue(app::Control control, int value) {
    if (HWND hwnd = ControlHwnd(control)) {
        ::SendMessageW(hwnd, BM_SETCHECK, value == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void Win32Controls::SetForeColour(app::Control control, app::Colour colour) {
    if (FormWindow* form = windows_.FormWith(control)) {
        form->SetForeColour(app::ControlId(control), colour);
    }
}

void Win32Controls::SetBackColour(app::Control control, app::Colour colour) {
    if (FormWindow* form = windows_.FormWith(control)) {
        form->SetControlBackColour(app::ControlId(control), colour);
    }
}

void Win32Controls::SetFormBackColour(app::Form form, app::Colour colour) {
    if (FormWindow* window = windows_.Open(form)) {
        window->SetBackColour(colour);
    }
}

void Win32Controls::ShowMessage(const std::string& text) {
    ::MessageBoxW(windows_.MainHwnd(), Widen(text).c_str(), Widen(appTitle_).c_str(), MB_OK);
}

}  // namespace platform::win
