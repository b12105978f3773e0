// shell32, loaded on first use.  The tray wants it only once the window goes
// to the tray, the help role only once a page opens in the default browser;
// loading it then keeps it out of the program's start.  Both share one, which
// outlives them.
#pragma once

#include <windows.h>

#include "platform/win32/Handles_win.h"

namespace platform::win {

class ShellLibrary {
  public:
    // Null when shell32 or the entry is missing.
    template <class Fn>
    Fn Entry(const char* name) {
        if (!shell32_) {
            shell32_ = LoadSystemLibrary(L"shell32.dll");
        }
        return ProcAddress<Fn>(shell32_, name);
    }
    bool Loaded() const { return static_cast<bool>(shell32_); }

  private:
    UniqueLibrary shell32_;
};

}  // namespace platform::win
