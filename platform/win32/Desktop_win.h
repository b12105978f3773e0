// The desktop for real, straight from user32 and shell32.
#pragma once

#include <optional>

#include "platform/Desktop.h"
#include "platform/win32/Handles_win.h"

namespace platform::win {

std::optional<DWORD> IntegrityLevel(HANDLE process);

class Win32Desktop final : public Desktop {
  public:
    explicit Win32Desktop(LazyLibrary& shell) : shell_(shell) {}

    std::int16_t GetAsyncKeyState(std::int32_t key) override {
        return static_cast<std::int16_t>(::GetAsyncKeyState(key));
    }
    Handle GetForegroundWindow() override { return AsHandle(::GetForegroundWindow()); }
    bool KeysReadableOver(Handle window) override;
    std::uint32_t GetExtendedStyle(Handle window) override {
        return static_cast<std::uint32_t>(::GetWindowLongA(AsHwnd(window), GWL_EXSTYLE));
    }
    bool SetWindowPos(Handle window, InsertAfter where, std::uint32_t flags) override {
        const auto after = reinterpret_cast<HWND>(static_cast<INT_PTR>(where));
        return ::SetWindowPos(AsHwnd(window), after, 0, 0, 0, 0, flags) != FALSE;
    }
    std::string ClassName(Handle window) override;
    Handle ShellWindow() override { return AsHandle(::GetShellWindow()); }
    Handle DesktopWindow() override { return AsHandle(::GetDesktopWindow()); }
    bool OnAnotherThread(Handle window) override {
        const DWORD thread = ::GetWindowThreadProcessId(AsHwnd(window), nullptr);
        return thread != 0 && thread != ::GetCurrentThreadId();
    }
    NotificationState UserNotificationState() override;

  private:
    LazyLibrary& shell_;
};

}  // namespace platform::win
