// The web browser, for the maker's pages: the fixed one first, the user's
// default where it can't be started (current Windows has no Internet
// Explorer).
#pragma once

#include <windows.h>

#include "platform/win32/Handles_win.h"
#include "platform/win32/ShellLibrary_win.h"

namespace about {

class Browser {
  public:
    // The shell outlives this, so COM is left before shell32 goes.
    explicit Browser(platform::win::ShellLibrary& shell) : shell_(shell) {}
    ~Browser();
    Browser(const Browser&) = delete;
    Browser& operator=(const Browser&) = delete;

    // Nothing more to try if both fail: the page simply stays shut.
    void Open(HWND owner, const wchar_t* url);

  private:
    bool StartFixedBrowser(const wchar_t* url);
    bool OpenInDefaultBrowser(HWND owner, const wchar_t* url);

    platform::win::ShellLibrary& shell_;
    // COM on this thread, apartment-threaded, from the first default-browser
    // start (some URL handlers are COM servers) to the end; ole32 is loaded
    // then, not at the program's start.
    platform::win::UniqueLibrary ole32_;
    bool comEntered_ = false;
};

}  // namespace about
