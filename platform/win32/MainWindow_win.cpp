#include "platform/win32/MainWindow_win.h"

#include <windows.h>

#include "platform/win32/Dpi_win.h"

namespace platform::win {

Win32MainWindow::Win32MainWindow(ProgramWindows& windows, const ProgramDefinition& program)
    : windows_(windows),
      mutexName_(program.mutexName),
      mainClass_(program.mainForm.className),
      iconResource_(program.iconResource) {}

// A mutex that exists already answers with a handle to it and
// ERROR_ALREADY_EXISTS; one that an elevated instance made answers a standard
// run with no handle and ERROR_ACCESS_DENIED, as its integrity label forbids
// the access asked for.
platform::InstanceLock Win32MainWindow::TakeInstanceLock() {
    instanceMutex_.reset(::CreateMutexW(nullptr, FALSE, mutexName_));
    const DWORD error = ::GetLastError();
    if (!instanceMutex_) {
        return error == ERROR_ACCESS_DENIED ? platform::InstanceLock::AccessDenied
                                            : platform::InstanceLock::Failed;
    }
    return error == ERROR_ALREADY_EXISTS ? platform::InstanceLock::AlreadyTaken
                                         : platform::InstanceLock::Taken;
}

// The running instance's main window is the one of the class that isn't
// this start's own.  Only a process that may take the foreground (this one,
// just started by the user) can pass that right on; the running one needs
// it to come to the front.  The message is posted: this start never waits.
void Win32MainWindow::AskRunningInstanceToShow() {
    const HWND own = windows_.MainHwnd();
    HWND running = nullptr;
    do {
        running = ::FindWindowExW(nullptr, running, mainClass_, nullptr);
    } while (running && running == own);
    if (!running) {
        return;
    }
    DWORD processId = 0;
    ::GetWindowThreadProcessId(running, &processId);
    ::AllowSetForegroundWindow(processId);
    ::PostMessageW(running, windows_.ShowMessage(), 0, 0);
}

Handle Win32MainWindow::MainWindow() {
    return AsHandle(windows_.MainHwnd());
}

// The shell draws a copy of the image it gets at each add or change (Wine's
// tray and ReactOS's copy it on arrival), so the icon before goes at once.
IconHandle Win32MainWindow::MakeTrayIcon() {
    const FormWindow* main = windows_.Main();
    trayIcon_ = LoadNotificationIcon(iconResource_, main ? main->dpi() : SystemDpi());
    return AsIconHandle(trayIcon_.get());
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

// In front of the other windows, not only the foreground one: Windows
// raises the window it activates, Wine leaves the order to the window
// manager.
void Win32MainWindow::FocusMainWindow() {
    ::BringWindowToTop(windows_.MainHwnd());
    ::SetForegroundWindow(windows_.MainHwnd());
    if (FormWindow* main = windows_.Main()) {
        main->RestoreFocus();
    }
}

}  // namespace platform::win
