// The set-hotkey button and the box that captures the next key.  While
// capturing, the box is enabled and the button says "确定".
#pragma once

#include <cstdint>

namespace hotkey {

constexpr const char* kCaptionIdle = "设置热键";
constexpr const char* kCaptionCapturing = "确定";
constexpr const char* kInvalidKeyMessage = "按键无效，请重新设置！";

// What an input method reports for a key it takes for itself (VK_PROCESSKEY).
// The key state never shows it down, so as a hotkey it would be dead.
constexpr std::int16_t kInputMethodKey = 229;

// Whether a key released in the box may become the hotkey.
constexpr bool IsCapturable(std::int16_t keyCode) {
    return keyCode != kInputMethodKey;
}

}  // namespace hotkey
