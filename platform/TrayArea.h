// The notification area (the tray) and the record that describes an icon.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/Handle.h"

namespace platform {

// Shell_NotifyIcon messages and the fields of its record.
enum class TrayMessage : std::uint32_t { Add = 0, Modify = 1, Delete = 2 };
namespace nif {
constexpr std::uint32_t kMessage = 0x1;
constexpr std::uint32_t kIcon = 0x2;
constexpr std::uint32_t kTip = 0x4;
}  // namespace nif
// The tip field of the record's first layout, in UTF-16 code units.
constexpr std::size_t kTrayTipChars = 64;

// The fields of the record's first layout, which every shell understands;
// the window system fills in the size of its own form of it.
struct TrayRecord {
    Handle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconHandle hIcon{};
    std::array<char16_t, kTrayTipChars> szTip{};
};

// Mouse messages as the window system numbers them; the icon reports the
// one it got in its callback.
namespace wm {
constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kLButtonDown = 0x0201;
}  // namespace wm

class TrayArea {
  public:
    virtual ~TrayArea() = default;
    [[nodiscard]] virtual bool ShellNotifyIcon(TrayMessage message, const TrayRecord& record) = 0;
};

}  // namespace platform
