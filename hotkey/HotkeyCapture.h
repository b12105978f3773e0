// The set-hotkey button and the box that captures the next key.
#pragma once

#include <cstdint>

namespace hotkey {

constexpr const char* kCaptionIdle = "设置热键";
constexpr const char* kCaptionCapturing = "确定";
constexpr const char* kInvalidKeyMessage = "按键无效，请重新设置！";

// VK_PROCESSKEY, an input method's own key: never down, a dead hotkey.
constexpr std::int16_t kInputMethodKey = 229;

constexpr bool IsCapturable(std::int16_t keyCode) {
    return keyCode != kInputMethodKey;
}

// The box wants every key (Tab, Alt, F10 too) and sends its parent this
// (WM_APP + 2) for each released, its code in the first parameter.
constexpr unsigned kKeyReleasedMessage = 0x8000 + 2;
void MakeCaptureBox(struct HWND__* edit);

}  // namespace hotkey
