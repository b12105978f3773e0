// The rule of one running instance, for real: a named mutex held from the
// load to the unload, a mark on the running instance's main window, and the
// request a second start posts it.
#pragma once

#include <windows.h>

#include "platform/win32/Handles_win.h"

namespace platform::win {

class InstanceLock {
  public:
    struct Names {
        const wchar_t* mutex;        // tells a second start that one runs already
        const wchar_t* mark;         // the property on the running instance's main window
        const wchar_t* mainClass;    // the main window's class
        const wchar_t* showMessage;  // asks the running instance to show itself
    };
    explicit InstanceLock(const Names& names)
        : names_(names), showMessage_(::RegisterWindowMessageW(names.showMessage)) {}

    // False when another instance holds the lock: it took it first, or it
    // runs as administrator and this one doesn't.  The instance that takes
    // it marks its main window at once.
    bool Take(HWND main);
    // A new start may run from now on, whatever windows are still open.
    void Release(HWND main);
    // Asks the instance that runs already to show its main window, and lets
    // it take the foreground to do so.
    void AskRunningInstanceToShow(HWND own) const;
    UINT ShowMessage() const { return showMessage_; }

  private:
    Names names_;
    UINT showMessage_;
    UniqueHandle mutex_;
};

}  // namespace platform::win
