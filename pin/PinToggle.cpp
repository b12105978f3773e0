#include "pin/PinToggle.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <string>

#include "platform/Desktop.h"

namespace pin {
namespace {

// The shell's window that stands in front while windows are switched.
constexpr const char* kSwitchingClass = "ForegroundStaging";

// The shell's top-level windows, by class.
constexpr const char* kShellClasses[] = {
    "Progman",                       // the desktop
    "WorkerW",                       // the desktop as Win+D leaves it, the wallpaper's host
    "Shell_TrayWnd",                 // the taskbar
    "Shell_SecondaryTrayWnd",        // the taskbar of another monitor
    "Windows.UI.Core.CoreWindow",    // Start, search, the action centre
    "MultitaskingViewFrame",         // task view and Alt+Tab, Windows 10
    "XamlExplorerHostIslandWindow",  // task view and Alt+Tab, Windows 11

    // Its topmost flyouts and switchers, as open-source tools name them.
    "NotifyIconOverflowWindow",             // the hidden tray icons, Windows 7 to 10
    "TopLevelWindowForOverflowXamlIsland",  // the hidden tray icons, Windows 11
    "TaskSwitcherWnd",                      // Alt+Tab, Windows 7 and 8
    "Shell_InputSwitchTopLevelWindow",      // the input-method switcher (Win+Space)
};

bool IsShellClass(const std::string& name) {
    return std::any_of(std::begin(kShellClasses), std::end(kShellClasses),
                       [&](const char* shellClass) { return name == shellClass; });
}

// Only the exclusive mode, not "busy" or presentation settings.
bool FullScreenGameRuns(platform::Desktop& desktop) {
    return desktop.UserNotificationState() == platform::NotificationState::RunningD3dFullScreen;
}

}  // namespace

bool IsTopmost(platform::Desktop& desktop, platform::Handle window) {
    return (desktop.GetExtendedStyle(window) & platform::kExStyleTopmost) != 0;
}

// The class name is read once: it crosses into the window's process.
PressedOver JudgeFrontWindow(platform::Desktop& desktop, platform::Handle window) {
    if (window == 0) {
        return PressedOver::WindowOnItsWay;
    }
    const std::string name = desktop.ClassName(window);
    if (name == kSwitchingClass) {
        return PressedOver::WindowOnItsWay;
    }
    const bool shellWindow =
        window == desktop.ShellWindow() || window == desktop.DesktopWindow() || IsShellClass(name);
    if (shellWindow || FullScreenGameRuns(desktop)) {
        return PressedOver::WindowLeftAlone;
    }
    return PressedOver::WindowToToggle;
}

void ToggleTopmost(platform::Desktop& desktop, platform::Handle window, bool topmost) {
    const std::uint32_t noWait =
        desktop.OnAnotherThread(window) ? platform::swp::kAsyncWindowPos : 0;
    // A window that refuses, or is gone, simply stays as it is.
    if (topmost) {
        (void)desktop.SetWindowPos(window, platform::InsertAfter::Bottom, kUnpinFlags | noWait);
    } else {
        (void)desktop.SetWindowPos(window, platform::InsertAfter::Topmost, kPinFlags | noWait);
    }
}

}  // namespace pin
