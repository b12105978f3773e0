// The main window as the handlers use it: its handle and icon, its window
// state, visibility and focus, and the rule of one running instance.
#pragma once

#include "platform/Handle.h"
#include "platform/WindowEvents.h"

namespace app {

using platform::Handle;
using platform::WindowState;

class Window {
  public:
    virtual ~Window() = default;

    // Whether another instance of the program runs already.
    virtual bool PreviousInstance() = 0;
    // Ends a start that must not go on: the main window goes away without its
    // unload event, so nothing is saved.
    virtual void EndInstance() = 0;

    virtual Handle MainWindow() = 0;
    virtual Handle MainIcon() = 0;
    virtual WindowState GetWindowState() = 0;
    // Raises the main window's resize event, as a real state change does.
    virtual void SetWindowState(WindowState state) = 0;
    virtual bool IsVisible() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void FocusMainWindow() = 0;
};

}  // namespace app
