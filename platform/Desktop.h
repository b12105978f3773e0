// The keyboard and the top-level windows: all that pinning needs.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// A window's handle, as the window system hands it out: passed, never owned.
using Handle = std::uintptr_t;

enum class InsertAfter : std::intptr_t { Topmost = -1, Bottom = 1 };

constexpr std::uint32_t kExStyleTopmost = 0x0008;  // WS_EX_TOPMOST

namespace swp {  // SetWindowPos's flags
constexpr std::uint32_t kNoSize = 0x0001;
constexpr std::uint32_t kNoMove = 0x0002;
constexpr std::uint32_t kNoActivate = 0x0010;
constexpr std::uint32_t kAsyncWindowPos = 0x4000;  // posted to the window's thread
}  // namespace swp

// SHQueryUserNotificationState's answer.
enum class NotificationState : int {
    Unknown = 0,
    NotPresent = 1,
    Busy = 2,
    RunningD3dFullScreen = 3,
    PresentationMode = 4,
    AcceptsNotifications = 5,
    QuietTime = 6,
    App = 7,
};

class Desktop {
  public:
    virtual ~Desktop() = default;

    virtual std::int16_t GetAsyncKeyState(std::int32_t key) = 0;
    // 0 when none, and while another desktop (the lock screen) has the input.
    virtual Handle GetForegroundWindow() = 0;
    // It fails (says 0) while another desktop takes the input, and over a
    // higher integrity level (an administrator's) or one that can't be asked.
    virtual bool KeysReadableOver(Handle window) = 0;
    virtual std::uint32_t GetExtendedStyle(Handle window) = 0;
    virtual bool SetWindowPos(Handle window, InsertAfter where, std::uint32_t flags) = 0;

    virtual std::string ClassName(Handle window) = 0;
    // The shell's desktop window and the desktop under all others; 0 if none.
    virtual Handle ShellWindow() = 0;
    virtual Handle DesktopWindow() = 0;
    virtual bool OnAnotherThread(Handle window) = 0;
    virtual NotificationState UserNotificationState() = 0;
};

}  // namespace platform
