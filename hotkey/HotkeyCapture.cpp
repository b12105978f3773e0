#include "hotkey/HotkeyCapture.h"

#include <string>

namespace hotkey {

using platform::Control;

ClickOutcome ClickSetKey(platform::WindowSystem& ws) {
    const std::string text = ws.GetText(Control::Text1);
    const std::string caption = ws.GetText(Control::cmdSetKey);
    if (caption == kCaptionCapturing && text.empty()) {
        ws.ShowMessage(kInvalidKeyMessage);
        return ClickOutcome::Rejected;
    }
    if (!ws.IsEnabled(Control::Text1)) {
        ws.SetEnabled(Control::Text1, true);
        ws.SetText(Control::cmdSetKey, kCaptionCapturing);
        ws.SetFocus(Control::Text1);
        return ClickOutcome::CaptureStarted;
    }
    ws.SetEnabled(Control::Text1, false);
    ws.SetText(Control::cmdSetKey, kCaptionIdle);
    return ClickOutcome::CaptureEnded;
}

}  // namespace hotkey
