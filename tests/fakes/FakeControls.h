// The controls in memory, as the main window is designed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "app/Controls.h"
#include "tests/fakes/CallLog.h"

namespace fakes {

class FakeControls final : public app::Controls {
  public:
    explicit FakeControls(CallLog& log);

    std::map<app::Control, std::string> texts;
    std::map<app::Control, bool> enabled;
    std::map<app::Control, int> checks;
    std::map<app::Control, app::Colour> colours, backColours;  // the text's, the background's
    std::map<app::Form, app::Colour> formBackColours;
    app::Control focused = app::Control::Command1;
    std::vector<std::string> messageBoxes;

    std::string GetText(app::Control control) override { return texts[control]; }
    void SetText(app::Control control, const std::string& text) override;
    bool IsEnabled(app::Control control) override { return enabled[control]; }
    void SetEnabled(app::Control control, bool on) override { enabled[control] = on; }
    void SetFocus(app::Control control) override;
    int GetCheckValue(app::Control control) override { return checks[control]; }
    void SetCheckValue(app::Control control, int value) override {
        log_.push_back("SetCheckValue " + std::to_string(value));
        checks[control] = value;
    }
    void SetForeColour(app::Control control, app::Colour c) override { colours[control] = c; }
    void SetBackColour(app::Control control, app::Colour c) override { backColours[control] = c; }
    void SetFormBackColour(app::Form form, app::Colour c) override { formBackColours[form] = c; }
    void ShowMessage(const std::string& text) override;

  private:
    CallLog& log_;
};

}  // namespace fakes
