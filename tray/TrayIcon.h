// The program's icon in the notification area.
#pragma once

#include <array>
#include <string>

#include "platform/WindowSystem.h"

namespace tray {

constexpr const char* kTipText = "Orvane置顶工具";
// The record's size in its first, ANSI layout, which every shell understands.
constexpr std::uint32_t kRecordSize = 88;
// The icon talks back with the mouse-move message.
constexpr std::uint32_t kCallbackMessage = platform::wm::kMouseMove;

// The tip field: the text and a NUL, padded with blanks to 64 characters,
// converted to the ANSI code page and cut to 64 bytes.
std::array<char, platform::kTrayTipBytes> TipField(platform::WindowSystem& ws);

// A freshly filled record for the main window and its icon.
platform::TrayRecord MakeRecord(platform::WindowSystem& ws);

// Only the left button going down on the icon brings the window back.
bool IsRestoreRequest(const platform::MouseMove& event);

}  // namespace tray
