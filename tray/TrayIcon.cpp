#include "tray/TrayIcon.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Handle.h"
#include "platform/TrayArea.h"
#include "platform/WindowEvents.h"

namespace tray {

std::array<char16_t, platform::kTrayTipChars> TipField(std::u16string_view text) {
    std::array<char16_t, platform::kTrayTipChars> field{};
    const std::size_t length = std::min(text.size(), field.size() - 1);
    std::copy_n(text.begin(), length, field.begin());
    // After the NUL, blanks to the field's end, as the record was always sent.
    std::fill(field.begin() + static_cast<std::ptrdiff_t>(length) + 1, field.end(), u' ');
    return field;
}

platform::TrayRecord MakeRecord(platform::Handle window, platform::IconHandle icon,
                                std::u16string_view tip) {
    platform::TrayRecord record;
    record.hWnd = window;
    record.uID = kIconId;
    record.uFlags = platform::nif::kMessage | platform::nif::kIcon | platform::nif::kTip;
    record.uCallbackMessage = kCallbackMessage;
    record.hIcon = icon;
    record.szTip = TipField(tip);
    record.uVersion = kCallbackVersion;
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
    const std::optional<std::uint32_t> message = TrayNotification(event, iconId);
    return message &&
           (*message == platform::wm::kLButtonDown || *message == platform::nin::kKeySelect);
}

void AddRetry::AfterAdd(bool added) {
    trying_ = !added;
    ticksLeft_ = ticksBetweenTries_;
}

bool AddRetry::Due() {
    if (!trying_ || --ticksLeft_ > 0) {
        return false;
    }
    ticksLeft_ = ticksBetweenTries_;
    return true;
}

}  // namespace tray
