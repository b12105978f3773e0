// The main window as the handlers see it, and the rule of one instance.
#pragma once

#include "platform/Window.h"
#include "platform/win32/Handles_win.h"
#include "platform/win32/ProgramWindows_win.h"

namespace platform::win {

class Win32MainWindow final : public platform::Window {
  public:
    Win32MainWindow(ProgramWindows& windows, const ProgramDefinition& program);

    platform::InstanceLock TakeInstanceLock() override;
    void ReleaseInstanceLock() override;
    void EndInstance() override { windows_.EndWithoutUnload(); }
    void AskRunningInstanceToShow() override;
    Handle MainWindow() override;
    IconHandle MakeTrayIcon() override;
    WindowState GetWindowState() override;
    void SetWindowState(WindowState state) override;
    bool IsVisible() override;
    void SetVisible(bool visible) override;
    void FocusMainWindow() override;

  private:
    ProgramWindows& windows_;
    // Held from the load to the unload: a second start finds it there.
    const wchar_t* mutexName_;
    UniqueHandle instanceMutex_;
    // The property on the main window while this instance holds the lock.
    const wchar_t* runningMark_;
    const wchar_t* mainClass_;
    int iconResource_;
    // The tray's icon, the newest made.
    UniqueIcon trayIcon_;
};

}  // namespace platform::win
