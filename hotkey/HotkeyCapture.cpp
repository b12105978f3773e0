#include "hotkey/HotkeyCapture.h"

#include "platform/Control.h"
#include "platform/Controls.h"

namespace hotkey {

using platform::Control;

// The box's text is read afresh: the user can empty it with the mouse.
ClickOutcome HotkeyCapture::Click() {
    if (capturing_ && controls_.GetText(Control::Text1).empty()) {
        controls_.ShowMessage(kInvalidKeyMessage);
        return ClickOutcome::Rejected;
    }
    capturing_ = !capturing_;
    controls_.SetEnabled(Control::Text1, capturing_);
    controls_.SetText(Control::cmdSetKey, capturing_ ? kCaptionCapturing : kCaptionIdle);
    if (capturing_) {
        controls_.SetFocus(Control::Text1);
        return ClickOutcome::CaptureStarted;
    }
    return ClickOutcome::CaptureEnded;
}

}  // namespace hotkey
