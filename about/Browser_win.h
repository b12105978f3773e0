// The fixed browser, or the default one (current Windows has no IE).
#pragma once

#include "platform/win32/Handles_win.h"

namespace about {

class Browser {
  public:
    explicit Browser(platform::win::LazyLibrary& shell) : shell_(shell) {}
    ~Browser();
    Browser(const Browser&) = delete;
    Browser& operator=(const Browser&) = delete;

    // Should both fail, the page simply stays shut.
    void Open(HWND owner, const wchar_t* url);

  private:
    platform::win::LazyLibrary& shell_;  // outlives this: COM is left first
    // COM from the first default browser (URL handlers may be COM servers).
    platform::win::LazyLibrary ole32_{L"ole32.dll"};
    bool comEntered_ = false;
};

}  // namespace about
