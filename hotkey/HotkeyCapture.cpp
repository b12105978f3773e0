#include "hotkey/HotkeyCapture.h"

#include <string>

#include "app/Control.h"
#include "app/Controls.h"

namespace hotkey {

using app::Control;

ClickOutcome ClickSetKey(app::Controls& controls) {
    const std::string text = controls.GetText(Control::Text1);
    const std::string caption = controls.GetText(Control::cmdSetKey);
    if (caption == kCaptionCapturing && text.empty()) {
        controls.ShowMessage(kInvalidKeyMessage);
        return ClickOutcome::Rejected;
    }
    if (!controls.IsEnabled(Control::Text1)) {
        controls.SetEnabled(Control::Text1, true);
        controls.SetText(Control::cmdSetKey, kCaptionCapturing);
        controls.SetFocus(Control::Text1);
        return ClickOutcome::CaptureStarted;
    }
    controls.SetEnabled(Control::Text1, false);
    controls.SetText(Control::cmdSetKey, kCaptionIdle);
    return ClickOutcome::CaptureEnded;
}

}  // namespace hotkey
