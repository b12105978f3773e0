#include "tray/TrayIcon.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Handle.h"
#include "platform/Text.h"
#include "platform/TrayArea.h"
#include "platform/WindowEvents.h"

namespace tray {
namespace {

// Characters, not bytes, of a UTF-8 string.
std::size_t CharacterCount(const std::string& utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

}  // namespace

std::array<char, platform::kTrayTipBytes> TipField(platform::Text& text) {
    std::string tip = kTipText;
    tip.push_back('\0');
    tip.append(platform::kTrayTipBytes - std::min(platform::kTrayTipBytes, CharacterCount(tip)),
               ' ');
    const std::string ansi = text.ToAnsi(tip);
    std::array<char, platform::kTrayTipBytes> field{};
    std::copy_n(ansi.begin(), std::min(ansi.size(), field.size()), field.begin());
    return field;
}

platform::TrayRecord MakeRecord(platform::Handle window, platform::Handle icon,
                                platform::Text& text) {
    platform::TrayRecord record;
    record.hWnd = window;
    record.uID = static_cast<std::uint32_t>(icon);
    record.uFlags = platform::nif::kMessage | platform::nif::kIcon | platform::nif::kTip;
    record.uCallbackMessage = kCallbackMessage;
    record.hIcon = icon;
    record.szTip = TipField(text);
    record.cbSize = kRecordSize;
    return record;
}

std::optional<std::uint32_t> TrayNotification(const platform::MouseMove& event,
                                              std::uint32_t iconId) {
    constexpr std::uintptr_t kLowWord = 0xFFFF;
    constexpr int kWordBits = 16;
    if (iconId == 0 || event.wParam != iconId || (event.lParam >> kWordBits) != 0) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(event.lParam & kLowWord);
}

bool IsRestoreRequest(const platform::MouseMove& event, std::uint32_t iconId) {
    return TrayNotification(event, iconId) == platform::wm::kLButtonDown;
}

void AddRetry::AfterAdd(bool added) {
    trying_ = !added;
    ticksLeft_ = kTicksBetweenTries;
}

bool AddRetry::Due() {
    if (!trying_ || --ticksLeft_ > 0) {
        return false;
    }
    ticksLeft_ = kTicksBetweenTries;
    return true;
}

}  // namespace tray
