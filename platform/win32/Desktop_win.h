// The desktop for real: the keyboard's state and other programs' top-level
// windows, straight from user32, and the shell's word on a full-screen game.
// No state, no window of its own.
#pragma once

#include "platform/Desktop.h"
#include "platform/win32/ShellLibrary_win.h"

namespace platform::win {

class Win32Desktop final : public Desktop {
  public:
    explicit Win32Desktop(ShellLibrary& shell) : shell_(shell) {}

    std::int16_t GetAsyncKeyState(std::int32_t key) override;
    Handle GetForegroundWindow() override;
    bool KeysReadableOver(Handle window) override;
    std::uint32_t GetExtendedStyle(Handle window) override;
    [[nodiscard]] bool SetWindowPos(Handle window, InsertAfter where, std::uint32_t flags) override;
    std::string ClassName(Handle window) override;
    Handle ShellWindow() override;
    Handle DesktopWindow() override;
    bool OnAnotherThread(Handle window) override;
    NotificationState UserNotificationState() override;

  private:
    ShellLibrary& shell_;
};

}  // namespace platform::win
