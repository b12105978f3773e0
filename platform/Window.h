// The main window as the handlers use it: its handle and icon, its window
// state, visibility and focus, and the rule of one running instance.
#pragma once

#include "platform/Handle.h"
#include "platform/WindowEvents.h"

namespace platform {

// What asking for the lock that tells a second start "one runs already"
// answered.  A lock that an instance run as administrator made can't be
// opened by a standard run at all: access is denied.
enum class InstanceLock { Taken, AlreadyTaken, AccessDenied, Failed };

class Window {
  public:
    virtual ~Window() = default;

    virtual InstanceLock TakeInstanceLock() = 0;
    // A new start may run from now on, whatever windows are still open.
    virtual void ReleaseInstanceLock() = 0;
    // Ends a start that must not go on: the main window goes away without its
    // unload event, so nothing is saved.
    virtual void EndInstance() = 0;
    // Asks the instance that runs already to show its main window, and lets
    // it take the foreground to do so.
    virtual void AskRunningInstanceToShow() = 0;

    virtual Handle MainWindow() = 0;
    // The program's icon at the size the notification area shows now, made
    // afresh; the one made before it goes (the shell keeps its own copy).
    virtual IconHandle MakeTrayIcon() = 0;
    virtual WindowState GetWindowState() = 0;
    // Raises the main window's resize event, as a real state change does.
    virtual void SetWindowState(WindowState state) = 0;
    virtual bool IsVisible() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void FocusMainWindow() = 0;
};

}  // namespace platform
