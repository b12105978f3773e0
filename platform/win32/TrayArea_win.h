// The notification area for real: Shell_NotifyIconA with the record's first,
// 88-byte layout.
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
