#include "platform/win32/MainWindow_win.h"

#include <windows.h>

#include <iterator>
#include <string_view>
#include <vector>

#include "platform/RunningInstance.h"
#include "platform/win32/Dpi_win.h"

namespace platform::win {
namespace {

// What the mark holds: anything but null, which GetProp answers for a window
// without it.
const HANDLE kMarked = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(1));

// The top-level windows of the main window's class, and whether each carries
// the running instance's mark.
struct MainWindowSearch {
    std::wstring_view mainClass;
    const wchar_t* mark;
    std::vector<platform::MainWindowFound> found;
};

BOOL CALLBACK NoteIfMainWindow(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<MainWindowSearch*>(lParam);
    wchar_t name[64] = {};
    const int length = ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    if (length > 0 &&
        std::wstring_view(name, static_cast<std::size_t>(length)) == search.mainClass) {
        search.found.push_back({AsHandle(window), ::GetPropW(window, search.mark) != nullptr});
    }
    return TRUE;
}

}  // namespace

Win32MainWindow::Win32MainWindow(ProgramWindows& windows, const ProgramDefinition& program)
    : windows_(windows),
      mutexName_(program.mutexName),
      runningMark_(program.runningMarkName),
      mainClass_(program.mainForm.className),
      iconResource_(program.iconResource) {}

// A mutex that exists already answers with a handle to it and
// ERROR_ALREADY_EXISTS; one that an elevated instance made answers a standard
// run with no handle and ERROR_ACCESS_DENIED, as its integrity label forbids
// the access asked for.  The instance that takes the lock marks its main
// window at once: that is the window a second start asks to show itself.
platform::InstanceLock Win32MainWindow::TakeInstanceLock() {
    instanceMutex_.reset(::CreateMutexW(nullptr, FALSE, mutexName_));
    const DWORD error = ::GetLastError();
    if (!instanceMutex_) {
        return error == ERROR_ACCESS_DENIED ? platform::InstanceLock::AccessDenied
                                            : platform::InstanceLock::Failed;
    }
    if (error == ERROR_ALREADY_EXISTS) {
        return platform::InstanceLock::AlreadyTaken;
    }
    ::SetPropW(windows_.MainHwnd(), runningMark_, kMarked);
    return platform::InstanceLock::Taken;
}

// The mark goes first: a new start that finds the lock still taken then
// asks no window rather than one that is about to close.
void Win32MainWindow::ReleaseInstanceLock() {
    if (const HWND main = windows_.MainHwnd()) {
        ::RemovePropW(main, runningMark_);
    }
    instanceMutex_.reset();
}

// The running instance's main window is the marked one of the class; every
// start makes its window before it asks for the lock, so the newest window
// of the class, the first a search finds, may be another second start's
// (platform/RunningInstance.h).  All are looked at with EnumWindows, not
// walked one after another: a FindWindowEx walk goes on from the window it
// reached, and ends early if that window, another start's, is gone
// meanwhile.  Only a process that may take the foreground (this one, just
// started by the user) can pass that right on; the running one needs it to
// come to the front.  The message is posted: this start never waits.
void Win32MainWindow::AskRunningInstanceToShow() {
    MainWindowSearch search{mainClass_, runningMark_, {}};
    ::EnumWindows(NoteIfMainWindow, reinterpret_cast<LPARAM>(&search));
    const std::optional<Handle> asked =
        platform::RunningInstanceWindow(search.found, AsHandle(windows_.MainHwnd()));
    if (!asked) {
        return;
    }
    const HWND running = AsHwnd(*asked);
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
