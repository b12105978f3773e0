// The main window and the controls of both windows, as the handlers see them.
#include <windows.h>

#include "platform/win32/Encoding_win.h"
#include "platform/win32/WindowSystem_win.h"

namespace platform::win {

// --- the main window --------------------------------------------------------

Handle Win32WindowSystem::MainWindow() {
    return AsHandle(MainHwnd());
}

Handle Win32WindowSystem::MainIcon() {
    return AsHandle(smallIcon_.get());
}

WindowState Win32WindowSystem::GetWindowState() {
    if (::IsIconic(MainHwnd())) {
        return WindowState::Minimised;
    }
    return ::IsZoomed(MainHwnd()) ? WindowState::Maximised : WindowState::Normal;
}

void Win32WindowSystem::SetWindowState(WindowState state) {
    HWND hwnd = MainHwnd();
    if (state == GetWindowState()) {
        return;
    }
    switch (state) {
        case WindowState::Minimised:
            ::ShowWindow(hwnd, ::IsWindowVisible(hwnd) ? SW_MINIMIZE : SW_SHOWMINNOACTIVE);
            break;
        case WindowState::Maximised:
            ::ShowWindow(hwnd, SW_MAXIMIZE);
            break;
        case WindowState::Normal:
            ::ShowWindow(hwnd, SW_RESTORE);
            break;
    }
}

bool Win32WindowSystem::IsVisible() {
    return ::IsWindowVisible(MainHwnd()) != FALSE;
}

void Win32WindowSystem::SetVisible(bool visible) {
    ::ShowWindow(MainHwnd(), visible ? SW_SHOW : SW_HIDE);
}

void Win32WindowSystem::FocusMainWindow() {
    ::SetForegroundWindow(MainHwnd());
    if (main_) {
        main_->RestoreFocus();
    }
}

// --- controls ---------------------------------------------------------------

std::string Win32WindowSystem::GetText(app::Control control) {
    FormWindow* form = FormWith(control);
    return form ? form->GetText(app::ControlId(control)) : std::string();
}

void Win32WindowSystem::SetText(app::Control control, const std::string& text) {
    if (FormWindow* form = FormWith(control)) {
        form->SetText(app::ControlId(control), text);
    }
}

bool Win32WindowSystem::IsEnabled(app::Control control) {
    FormWindow* form = FormWith(control);
    return form && ::IsWindowEnabled(form->ControlWindow(app::ControlId(control)));
}

void Win32WindowSystem::SetEnabled(app::Control control, bool enabled) {
    if (FormWindow* form = FormWith(control)) {
        ::EnableWindow(form->ControlWindow(app::ControlId(control)), enabled);
    }
}

void Win32WindowSystem::SetFocus(app::Control control) {
    if (FormWindow* form = FormWith(control)) {
        ::SetFocus(form->ControlWindow(app::ControlId(control)));
    }
}

int Win32WindowSystem::GetCheckValue(app::Control control) {
    FormWindow* form = FormWith(control);
    if (!form) {
        return 0;
    }
    switch (::SendMessageW(form->ControlWindow(app::ControlId(control)), BM_GETCHECK, 0, 0)) {
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
void Win32WindowSystem::SetCheckValue(app::Control control, int value) {
    FormWindow* form = FormWith(control);
    if (!form) {
        return;
    }
    const bool changed = GetCheckValue(control) != value;
    const WPARAM state =
        value == 1 ? BST_CHECKED : (value == 2 ? BST_INDETERMINATE : BST_UNCHECKED);
    ::SendMessageW(form->ControlWindow(app::ControlId(control)), BM_SETCHECK, state, 0);
    if (changed) {
        OnClick(*form, app::ControlId(control));
    }
}

void Win32WindowSystem::SetForeColour(app::Control control, app::Colour colour) {
    if (FormWindow* form = FormWith(control)) {
        form->SetForeColour(app::ControlId(control), colour);
    }
}

void Win32WindowSystem::ShowMessage(const std::string& text) {
    ::MessageBoxW(MainHwnd(), Widen(text).c_str(), Widen(program_.appTitle).c_str(), MB_OK);
}

}  // namespace platform::win
