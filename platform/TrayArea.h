// The notification area (the tray) and the record that describes an icon.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

#include "platform/Handle.h"

namespace platform {

// Shell_NotifyIcon messages and the fields of its record.  SetVersion asks
// the shell for the record's uVersion form of the icon's callbacks; the shell
// forgets it with the icon, so it follows every add.
enum class TrayMessage : std::uint32_t { Add = 0, Modify = 1, Delete = 2, SetVersion = 4 };
namespace nif {
constexpr std::uint32_t kMessage = 0x1;
constexpr std::uint32_t kIcon = 0x2;
constexpr std::uint32_t kTip = 0x4;
}  // namespace nif
// The tip field of the record's first layout, in UTF-16 code units.
constexpr std::size_t kTrayTipChars = 64;

// The callbacks an icon asks for.  0, the first ones: the icon's id in the
// callback's first parameter, the mouse message in its second, and the
// keyboard's selection of the icon (Space or Enter) sent as the right
// button.  3 (Windows 2000 on), the same two parameters, with the
// keyboard's selection sent as kKeySelect, kSelect after the left button's
// click, and WM_CONTEXTMENU after the right button's and for the keyboard's
// menu key.
constexpr std::uint32_t kTrayVersion2000 = 3;

// The fields of the record's first layout, which every shell understands,
// and the version of the callbacks to ask for; the window system fills in
// the size of its own form of it.
struct TrayRecord {
    Handle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    IconHandle hIcon{};
    std::array<char16_t, kTrayTipChars> szTip{};
    std::uint32_t uVersion = 0;
};

// Mouse messages as the window system numbers them; the icon reports the
// one it got in its callback.
namespace wm {
constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kLButtonDown = 0x0201;
constexpr std::uint32_t kContextMenu = 0x007B;
}  // namespace wm
// The selection events of the callbacks' version 3, in the same place.
namespace nin {
constexpr std::uint32_t kSelect = 0x0400;     // after a click of the left button
constexpr std::uint32_t kKeySelect = 0x0401;  // Space or Enter on the icon
}  // namespace nin

class TrayArea {
  public:
    virtual ~TrayArea() = default;
    [[nodiscard]] virtual bool ShellNotifyIcon(TrayMessage message, const TrayRecord& record) = 0;
};

}  // namespace platform
