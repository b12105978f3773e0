#include "tests/fakes/FakeControls.h"

#include "app/MainForm.h"

namespace fakes {

FakeControls::FakeControls(CallLog& log) : log_(log) {
    for (int i = 0; i < app::kFrmPos.controlCount; ++i) {
        const platform::ControlDef& c = app::kFrmPos.controls[i];
        const auto control = static_cast<platform::Control>(c.id - platform::kFirstControlId);
        texts[control] = c.caption;
        enabled[control] = c.enabled;
        colours[control] = c.foreColour;
    }
    checks[platform::Control::CbAuto] = false;
}

void FakeControls::SetText(platform::Control control, const std::string& text) {
    log_.push_back("SetText " + std::to_string(static_cast<int>(control)) + " " + text);
    texts[control] = text;
}

void FakeControls::SetFocus(platform::Control control) {
    log_.push_back("SetFocus " + std::to_string(static_cast<int>(control)));
    focused = control;
}

void FakeControls::ShowMessage(const std::string& text) {
    log_.push_back("MessageBox " + text);
    messageBoxes.push_back(text);
    if (whileMessageShows) {
        whileMessageShows();
    }
}

}  // namespace fakes
