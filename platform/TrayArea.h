// The notification area (the tray) and the record that describes an icon.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/Handle.h"

namespace platform {

// Shell_NotifyIconA messages and the fields of its record.
enum class TrayMessage : std::uint32_t { Add = 0, Modify = 1, Delete = 2 };
namespace nif {
constexpr std::uint32_t kMessage = 0x1;
constexpr std::uint32_t kIcon = 0x2;
constexpr std::uint32_t kTip = 0x4;
}  // namespace nif
constexpr std::size_t kTrayTipBytes = 64;

// The first, 88-byte ANSI layout of NOTIFYICONDATA, field by field.
struct TrayRecord {
    std::uint32_t cbSize = 0;
    Handle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    Handle hIcon = 0;
    std::array<char, kTrayTipBytes> szTip{};
};

// Mouse messages as the window system numbers them; the icon reports the
// one it got in its callback.
namespace wm {
constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kLButtonDown = 0x0201;
constexpr std::uint32_t kLButtonUp = 0x0202;
constexpr std::uint32_t kLButtonDblClk = 0x0203;
constexpr std::uint32_t kRButtonDown = 0x0204;
constexpr std::uint32_t kRButtonUp = 0x0205;
constexpr std::uint32_t kRButtonDblClk = 0x0206;
}  // namespace wm

class TrayArea {
  public:
    virtual ~TrayArea() = default;
    [[nodiscard]] virtual bool ShellNotifyIcon(TrayMessage message, const TrayRecord& record) = 0;
};

}  // namespace platform
