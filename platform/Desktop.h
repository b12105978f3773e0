// The desktop: the keyboard's state and the other programs' top-level
// windows.  All that pinning needs of a window system.
#pragma once

#include <cstdint>
#include <string>

#include "platform/Handle.h"

namespace platform {

// Where SetWindowPos puts a window in the z-order.
enum class InsertAfter : std::intptr_t { Topmost = -1, Bottom = 1 };

// Extended-style bit of a window that stays on top of all others.
constexpr std::uint32_t kExStyleTopmost = 0x0008;

// SetWindowPos flags.
namespace swp {
constexpr std::uint32_t kNoSize = 0x0001;
constexpr std::uint32_t kNoMove = 0x0002;
constexpr std::uint32_t kNoActivate = 0x0010;
// Posted to the window's thread, not waited for.
constexpr std::uint32_t kAsyncWindowPos = 0x4000;
}  // namespace swp

// What the shell says of the user's screen (SHQueryUserNotificationState);
// Unknown where the shell can't say.
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

    // Negative while the key is down; the low bit says whether it was
    // pressed since the last call (anyone's call).
    virtual std::int16_t GetAsyncKeyState(std::int32_t key) = 0;
    // 0 when no window is in front, and while another desktop (the lock
    // screen, a UAC prompt) takes the input.
    virtual Handle GetForegroundWindow() = 0;
    // Whether GetAsyncKeyState can be read while this window is in front (0:
    // none).  Where it can't, a read fails and returns 0, whatever the key
    // does: while another desktop takes the input, and over a window of a
    // program that runs at a higher integrity level than this one (an
    // administrator's, seen from a standard run).  A window whose program
    // can't be asked counts as one it can't be read over.
    virtual bool KeysReadableOver(Handle window) = 0;
    virtual std::uint32_t GetExtendedStyle(Handle window) = 0;
    // A z-order change only: position and size stay.
    [[nodiscard]] virtual bool SetWindowPos(Handle window, InsertAfter where,
                                            std::uint32_t flags) = 0;

    // The window's class name; empty when the window is gone.
    virtual std::string ClassName(Handle window) = 0;
    // The shell's desktop window, and the desktop window under all others;
    // 0 when there is none.
    virtual Handle ShellWindow() = 0;
    virtual Handle DesktopWindow() = 0;
    // True for a window of another thread than the caller's.
    virtual bool OnAnotherThread(Handle window) = 0;
    virtual NotificationState UserNotificationState() = 0;
};

}  // namespace platform
