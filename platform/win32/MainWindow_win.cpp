#include "platform/win32/MainWindow_win.h"

#include <windows.h>

namespace platform::win {

Win32MainWindow::Win32MainWindow(ProgramWindows& windows, const ProgramDefinition& program)
    : windows_(windows),
      instanceMutex_(::CreateMutexW(nullptr, FALSE, program.mutexName)),
      previousInstance_(::GetLastError() == ERROR_ALREADY_EXISTS) {}

Handle Win32MainWindow::MainWindow() {
    return AsHandle(windows_.MainHwnd());
}

Handle Win32MainWindow::MainIcon() {
    FormWindow* main = windows_.Main();
    return AsHandle(main ? main->TrayIcon() : nullptr);
}

WindowState Win32MainWindow::GetWindowState() {
    HWND hwnd = windows_.MainHwnd();
    if (::IsIconic(hwnd)) {
        return WindowState::Minimised;
    }
    return ::IsZoomed(hwnd) ? WindowState::Maximised : WindowState::Normal;
}

void Win32MainWindow::SetWindowState(WindowState state) {
    HWND hwnd = windows_.MainHwnd();
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

bool Win32MainWindow::IsVisible() {
    return ::IsWindowVisible(windows_.MainHwnd()) != FALSE;
}

void Win32MainWindow::SetVisible(bool visible) {
    ::ShowWindow(windows_.MainHwnd(), visible ? SW_SHOW : SW_HIDE);
}

void Win32MainWindow::FocusMainWindow() {
    ::SetForegroundWindow(windows_.MainHwnd());
    if (FormWindow* main = windows_.Main()) {
        main->RestoreFocus();
    }
}

}  // namespace platform::win
