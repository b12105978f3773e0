// The notification area for real: Shell_NotifyIconW with the record's Windows
// 2000 layout (936 bytes), wide, so the tip reads right on every system.
#pragma once

#include "platform/TrayArea.h"
#include "platform/win32/ShellLibrary_win.h"

namespace platform::win {

class Win32TrayArea final : public TrayArea {
  public:
    explicit Win32TrayArea(ShellLibrary& shell) : shell_(shell) {}

    [[nodiscard]] bool ShellNotifyIcon(TrayMessage message, const TrayRecord& record) override;

  private:
    ShellLibrary& shell_;
};

}  // namespace platform::win
