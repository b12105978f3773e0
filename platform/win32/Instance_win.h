// One running instance: a mutex, a mark on its window, a request to show.
#pragma once

#include "platform/win32/Handles_win.h"

namespace platform::win {

class InstanceLock {
  public:
    struct Names {
        const wchar_t* mutex;
        const wchar_t* mark;  // the window property
        const wchar_t* mainClass;
        const wchar_t* showMessage;
    };
    explicit InstanceLock(const Names& names)
        : names_(names), showMessage_(::RegisterWindowMessageW(names.showMessage)) {}

    // False when another instance holds it.
    bool Take(HWND main);
    void Release(HWND main);  // a new start may run from now on
    // Lets the running instance take the foreground, and asks it to show.
    void AskRunningInstanceToShow(HWND own) const;
    UINT ShowMessage() const { return showMessage_; }

  private:
    Names names_;
    UINT showMessage_;
    UniqueHandle mutex_;
};

}  // namespace platform::win
