#include "tests/fakes/FakeHelp.h"

namespace fakes {

void FakeHelp::LoadAbout() {
    log_.push_back("LoadAbout");
    aboutLoaded_ = true;
    ++aboutLoads;
}

void FakeHelp::ShowAbout() {
    log_.push_back("ShowAbout");
    aboutShown = aboutLoaded_;
    paintPending = true;
}

void FakeHelp::PaintNow() {
    log_.push_back("PaintNow");
    paintPending = false;
}

bool FakeHelp::StartProcess(const std::string& application, const std::string& commandLine) {
    log_.push_back("StartProcess " + application);
    atBrowserStarts.push_back({aboutShown, paintPending});
    if (browserStarts) {
        startedCommandLines.push_back(commandLine);
    }
    return browserStarts;
}

bool FakeHelp::OpenInDefaultBrowser(const std::string& url) {
    log_.push_back("OpenInDefaultBrowser " + url);
    atBrowserStarts.push_back({aboutShown, paintPending});
    defaultBrowserUrls.push_back(url);
    return true;
}

}  // namespace fakes
