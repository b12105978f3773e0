#include "tests/fakes/FakeWindow.h"

namespace fakes {

platform::InstanceLock FakeWindow::TakeInstanceLock() {
    log_.push_back("TakeInstanceLock");
    lockHeld = instanceLock == platform::InstanceLock::Taken;
    return instanceLock;
}

void FakeWindow::ReleaseInstanceLock() {
    log_.push_back("ReleaseInstanceLock");
    lockHeld = false;
}

void FakeWindow::EndInstance() {
    log_.push_back("EndInstance");
    ended = true;
}

void FakeWindow::AskRunningInstanceToShow() {
    log_.push_back("AskRunningInstanceToShow");
    askedRunningToShow = true;
}

platform::IconHandle FakeWindow::MakeTrayIcon() {
    log_.push_back("MakeTrayIcon");
    return platform::IconHandle{static_cast<std::uintptr_t>(kFirstTrayIcon) +
                                static_cast<std::uintptr_t>(trayIconsMade++)};
}

void FakeWindow::SetWindowState(platform::WindowState state) {
    log_.push_back("SetWindowState " + std::to_string(static_cast<int>(state)));
    if (state == state_) {
        return;
    }
    state_ = state;
    if (events) {
        events->Resize();
    }
}

void FakeWindow::SetVisible(bool visible) {
    log_.push_back(visible ? "Show" : "Hide");
    visible_ = visible;
}

void FakeWindow::FocusMainWindow() {
    log_.push_back("FocusMainWindow");
    mainFocused = true;
}

}  // namespace fakes
