// DPI as each window sees it.  Per-monitor DPI came with Windows 8.1 and the
// functions below with Windows 10 1607; each is loaded at run time and falls
// back to the system DPI, which is all there is on older Windows.
#pragma once

#include <windows.h>

#include "platform/win32/Handles_win.h"

namespace platform::win {

// The DPI the forms were designed at: there twips give the pixels the
// designer saw, and pictures are drawn at their own size.
inline constexpr int kDesignDpi = 96;

// The window's DPI: its monitor's where Windows has per-monitor DPI.
int WindowDpi(HWND hwnd);
// The system's DPI (the primary monitor's at logon).
int SystemDpi();
// A system metric (SM_CXICON, ...) at a DPI.
int SystemMetricForDpi(int index, int dpi);
// The program's icon resource for the notification area: at the small-icon
// size the shell asks for (LoadIconMetric, comctl32 6 from Vista on), or,
// where that is missing, at the small-icon size of the DPI given.
UniqueIcon LoadNotificationIcon(int resource, int dpi);
// The window rectangle around a client area at a DPI.
RECT WindowRectForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi);

}  // namespace platform::win
