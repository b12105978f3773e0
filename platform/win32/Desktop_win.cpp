#include "platform/win32/Desktop_win.h"

#include <windows.h>

#include "platform/win32/Handles_win.h"

namespace platform::win {

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

}  // namespace platform::win
