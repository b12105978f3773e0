#include "app/EventRouter.h"

#include <cstdint>

#include "app/Colours.h"
#include "platform/Control.h"
#include "platform/SystemColours.h"
#include "platform/WindowEvents.h"

namespace app {

using platform::Control;
using platform::ControlId;

void EventRouter::MouseMoved(const platform::MouseMove& event) {
    if (event.label == ControlId(Control::LbQQ)) {
        controls_.LbQQ_MouseMove(event);
    } else if (!event.label) {
        form_.Form_MouseMove(event);
    }
}

// Controls without a click of their own (the box, the About window's
// labels and picture) raise nothing.
void EventRouter::Clicked(int control) {
    switch (static_cast<Control>(control - platform::kFirstControlId)) {
        case Control::cmdSetKey:
            controls_.cmdSetKey_Click();
            break;
        case Control::cmdMini:
            controls_.cmdMini_Click();
            break;
        case Control::CbAuto:
            controls_.CbAuto_Click();
            break;
        case Control::Command1:
            controls_.Command1_Click();
            break;
        case Control::LbQQ:
            controls_.LbQQ_Click();
            break;
        default:
            break;
    }
}

void EventRouter::ColoursChanged(bool highContrast, const platform::SystemColours& system) {
    form_.ColoursChanged(ColoursFor(highContrast, system));
}

// The key code goes by reference, as the handler's signature has it.
void EventRouter::KeyReleased(int control, int key) {
    if (control == ControlId(Control::Text1)) {
        std::int16_t keyCode = static_cast<std::int16_t>(key);
        controls_.Text1_KeyUp(keyCode);
    }
}

}  // namespace app
