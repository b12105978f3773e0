// The desktop for real: the keyboard's state and other programs' top-level
// windows, straight from user32.  No state, no window of its own.
#pragma once

#include "platform/Desktop.h"

namespace platform::win {

class Win32Desktop final : public Desktop {
  public:
    std::int16_t GetAsyncKeyState(std::int32_t key) override;
    Handle GetForegroundWindow() override;
    std::uint32_t GetExtendedStyle(Handle window) override;
    [[nodiscard]] bool SetWindowPos(Handle window, InsertAfter where, std::uint32_t flags) override;
};

}  // namespace platform::win
