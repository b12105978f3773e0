#include "platform/win32/Controls_win.h"

#include <windows.h>

#include "platform/win32/Encoding_win.h"

namespace platform::win {

HWND Win32Controls::ControlHwnd(platform::Control control) const {
    FormWindow* form = windows_.FormWith(control);
    return form ? form->ControlWindow(platform::ControlId(control)) : nullptr;
}

std::string Win32Controls::GetText(platform::Control control) {
    FormWindow* form = windows_.FormWith(control);
    return form ? form->GetText(platform::ControlId(control)) : std::string();
}

void Win32Controls::SetText(platform::Control control, const std::string& text) {
    if (FormWindow* form = windows_.FormWith(control)) {
        form->SetText(platform::ControlId(control), text);
    }
}

bool Win32Controls::IsEnabled(platform::Control control) {
    HWND hwnd = ControlHwnd(control);
    return hwnd && ::IsWindowEnabled(hwnd);
}

void Win32Controls::SetEnabled(platform::Control control, bool enabled) {
    if (HWND hwnd = ControlHwnd(control)) {
        ::EnableWindow(hwnd, enabled);
    }
}

void Win32Controls::SetFocus(platform::Control control) {
    if (HWND hwnd = ControlHwnd(control)) {
        ::SetFocus(hwnd);
    }
}

bool Win32Controls::IsChecked(platform::Control control) {
    HWND hwnd = ControlHwnd(control);
    return hwnd && ::SendMessageW(hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

// BM_SETCHECK raises no click of its own.
void Win32Controls::SetChecked(platform::Control control, bool checked) {
    if (HWND hwnd = ControlHwnd(control)) {
        ::SendMessageW(hwnd, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void Win32Controls::SetForeColour(platform::Control control, platform::Colour colour) {
    if (FormWindow* form = windows_.FormWith(control)) {
        form->SetForeColour(platform::ControlId(control), colour);
    }
}

void Win32Controls::SetBackColour(platform::Control control, platform::Colour colour) {
    if (FormWindow* form = windows_.FormWith(control)) {
        form->SetControlBackColour(platform::ControlId(control), colour);
    }
}

void Win32Controls::SetFormBackColour(platform::Form form, platform::Colour colour) {
    if (FormWindow* window = windows_.Open(form)) {
        window->SetBackColour(colour);
    }
}

void Win32Controls::ShowMessage(const std::string& text) {
    ::MessageBoxW(windows_.MainHwnd(), Widen(text).c_str(), Widen(appTitle_).c_str(), MB_OK);
}

}  // namespace platform::win
