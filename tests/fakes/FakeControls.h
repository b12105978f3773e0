// The controls in memory, as the main window is designed.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/Controls.h"
#include "tests/fakes/CallLog.h"

namespace fakes {

class FakeControls final : public platform::Controls {
  public:
    explicit FakeControls(CallLog& log);

    std::map<platform::Control, std::string> texts;
    std::map<platform::Control, bool> enabled;
    std::map<platform::Control, bool> checks;
    std::map<platform::Control, platform::Colour> colours,
        backColours;  // the text's, the background's
    std::map<platform::Form, platform::Colour> formBackColours;
    platform::Control focused = platform::Control::Command1;
    std::vector<std::string> messageBoxes;
    // What happens while a message box shows: its loop runs the program's
    // other events (the timer's ticks among them) until it is dismissed.
    std::function<void()> whileMessageShows;

    std::string GetText(platform::Control control) override { return texts[control]; }
    void SetText(platform::Control control, const std::string& text) override;
    bool IsEnabled(platform::Control control) override { return enabled[control]; }
    void SetEnabled(platform::Control control, bool on) override { enabled[control] = on; }
    void SetFocus(platform::Control control) override;
    bool IsChecked(platform::Control control) override { return checks[control]; }
    void SetChecked(platform::Control control, bool checked) override {
        log_.push_back(checked ? "SetChecked" : "SetUnchecked");
        checks[control] = checked;
    }
    void SetForeColour(platform::Control control, platform::Colour c) override {
        colours[control] = c;
    }
    void SetBackColour(platform::Control control, platform::Colour c) override {
        backColours[control] = c;
    }
    void SetFormBackColour(platform::Form form, platform::Colour c) override {
        formBackColours[form] = c;
    }
    void ShowMessage(const std::string& text) override;

  private:
    CallLog& log_;
};

}  // namespace fakes
