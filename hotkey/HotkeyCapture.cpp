#include "hotkey/HotkeyCapture.h"

#include <string>

namespace hotkey {

using app::Control;

ClickOutcome ClickSetKey(app::Form& form) {
    const std::string text = form.GetText(Control::Text1);
    const std::string caption = form.GetText(Control::cmdSetKey);
    if (caption == kCaptionCapturing && text.empty()) {
        form.ShowMessage(kInvalidKeyMessage);
        return ClickOutcome::Rejected;
    }
    if (!form.IsEnabled(Control::Text1)) {
        form.SetEnabled(Control::Text1, true);
        form.SetText(Control::cmdSetKey, kCaptionCapturing);
        form.SetFocus(Control::Text1);
        return ClickOutcome::CaptureStarted;
    }
    form.SetEnabled(Control::Text1, false);
    form.SetText(Control::cmdSetKey, kCaptionIdle);
    return ClickOutcome::CaptureEnded;
}

}  // namespace hotkey
