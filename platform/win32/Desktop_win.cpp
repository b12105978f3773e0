#include "platform/win32/Desktop_win.h"

#include <windows.h>

#include "platform/win32/Encoding_win.h"
#include "platform/win32/Handles_win.h"

namespace platform::win {
namespace {

// The longest class name RegisterClass accepts, and its NUL.
constexpr int kClassNameChars = 257;

}  // namespace

std::int16_t Win32Desktop::GetAsyncKeyState(std::int32_t key) {
    return static_cast<std::int16_t>(::GetAsyncKeyState(key));
}

Handle Win32Desktop::GetForegroundWindow() {
    return AsHandle(::GetForegroundWindow());
}

std::uint32_t Win32Desktop::GetExtendedStyle(Handle window) {
    return static_cast<std::uint32_t>(::GetWindowLongA(AsHwnd(window), GWL_EXSTYLE));
}

bool Win32Desktop::SetWindowPos(Handle window, InsertAfter where, std::uint32_t flags) {
    return ::SetWindowPos(AsHwnd(window), reinterpret_cast<HWND>(static_cast<INT_PTR>(where)), 0, 0,
                          0, 0, flags) != FALSE;
}

std::string Win32Desktop::ClassName(Handle window) {
    wchar_t name[kClassNameChars] = {};
    const int length = ::GetClassNameW(AsHwnd(window), name, kClassNameChars);
    return length > 0 ? Narrow(std::wstring(name, static_cast<std::size_t>(length)))
                      : std::string();
}

Handle Win32Desktop::ShellWindow() {
    return AsHandle(::GetShellWindow());
}

Handle Win32Desktop::DesktopWindow() {
    return AsHandle(::GetDesktopWindow());
}

bool Win32Desktop::OnAnotherThread(Handle window) {
    const DWORD thread = ::GetWindowThreadProcessId(AsHwnd(window), nullptr);
    return thread != 0 && thread != ::GetCurrentThreadId();
}

// shell32 is loaded here at the first press over a window that may be
// toggled, not at the start; Windows XP has no such entry and says Unknown.
NotificationState Win32Desktop::UserNotificationState() {
    using QueryFn = HRESULT(WINAPI*)(int*);  // QUERY_USER_NOTIFICATION_STATE*, an enum
    const auto query = shell_.Entry<QueryFn>("SHQueryUserNotificationState");
    int state = 0;
    if (!query || FAILED(query(&state))) {
        return NotificationState::Unknown;
    }
    return static_cast<NotificationState>(state);
}

}  // namespace platform::win
