// The DLLs the program loads, from the system folder only (the reason is
// in platform/SystemLibrary.h).
#pragma once

#include "platform/win32/Handles_win.h"

namespace platform::win {

// The first thing the program does: whatever is loaded by name from then
// on, by the program or by Windows on its behalf, is never looked for in the
// current folder, nor, where Windows can say so (Windows 8, and Windows 7
// with KB2533623), anywhere but the system folder.  The DLLs the program
// imports are loaded before this; each is one Windows keeps in the system
// folder alone (a known DLL) or, common controls 6, one the manifest names.
void KeepDllSearchToTheSystemFolder();

}  // namespace platform::win
