// The main window as the handlers see it, and the rule of one instance.
#pragma once

#include "app/Window.h"
#include "platform/win32/Handles_win.h"
#include "platform/win32/ProgramWindows_win.h"

namespace platform::win {

class Win32MainWindow final : public app::Window {
  public:
    Win32MainWindow(ProgramWindows& windows, const ProgramDefinition& program);

    bool PreviousInstance() override { return previousInstance_; }
    void EndInstance() override { windows_.EndWithoutUnload(); }
    Handle MainWindow() override;
    Handle MainIcon() override;
    WindowState GetWindowState() override;
    void SetWindowState(WindowState state) override;
    bool IsVisible() override;
    void SetVisible(bool visible) override;
    void FocusMainWindow() override;

  private:
    ProgramWindows& windows_;
    // Held for the program's life: a second start finds it there.
    UniqueHandle instanceMutex_;
    bool previousInstance_ = false;
};

}  // namespace platform::win
