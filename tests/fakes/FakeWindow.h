// The main window in memory.  A change of its state raises the resize event,
// as a real one does, through whatever events are connected.
#pragma once

#include "platform/Window.h"
#include "tests/fakes/CallLog.h"

namespace fakes {

class FakeWindow final : public platform::Window {
  public:
    static constexpr platform::Handle kMainWindow = 0x10010;
    // The tray icons made, one handle after another from this one.
    static constexpr platform::IconHandle kFirstTrayIcon{0x20020};

    explicit FakeWindow(CallLog& log) : log_(log) {}

    platform::WindowEvents* events = nullptr;
    platform::InstanceLock instanceLock = platform::InstanceLock::Taken;  // what taking it answers
    bool lockHeld = false;
    bool ended = false;
    bool mainFocused = false;
    bool askedRunningToShow = false;
    int trayIconsMade = 0;

    platform::InstanceLock TakeInstanceLock() override;
    void ReleaseInstanceLock() override;
    void EndInstance() override;
    void AskRunningInstanceToShow() override;
    platform::Handle MainWindow() override { return kMainWindow; }
    platform::IconHandle MakeTrayIcon() override;
    platform::WindowState GetWindowState() override { return state_; }
    void SetWindowState(platform::WindowState state) override;
    bool IsVisible() override { return visible_; }
    void SetVisible(bool visible) override;
    void FocusMainWindow() override;

  private:
    CallLog& log_;
    platform::WindowState state_ = platform::WindowState::Normal;
    bool visible_ = true;
};

}  // namespace fakes
