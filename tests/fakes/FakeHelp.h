// The About window and the browsers in memory.  Showing the About window
// leaves an event waiting (its paint) until PaintNow, so a test can tell
// whether it was drawn before a browser started.
#pragma once

#include <string>
#include <vector>

#include "platform/Help.h"
#include "tests/fakes/CallLog.h"

namespace fakes {

class FakeHelp final : public platform::Help {
  public:
    explicit FakeHelp(CallLog& log) : log_(log) {}

    bool browserStarts = true;  // whether the fixed browser is there
    bool paintPending = false;
    bool aboutShown = false;
    int aboutLoads = 0;
    void CloseAbout() { aboutLoaded_ = aboutShown = false; }

    // When each browser started: was the About window shown, and was its paint
    // still waiting (so it wasn't drawn yet)?
    struct AtBrowserStart {
        bool aboutShown;
        bool paintPending;
    };
    std::vector<AtBrowserStart> atBrowserStarts;
    std::vector<std::string> startedCommandLines;
    std::vector<std::string> defaultBrowserUrls;

    bool IsAboutLoaded() override { return aboutLoaded_; }
    void LoadAbout() override;
    void ShowAbout() override;
    void PaintNow() override;
    bool StartProcess(const std::string& application, const std::string& commandLine) override;
    bool OpenInDefaultBrowser(const std::string& url) override;

  private:
    CallLog& log_;
    bool aboutLoaded_ = false;
};

}  // namespace fakes
