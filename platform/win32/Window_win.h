// What both of the program's windows take from Win32: one window procedure
// that finds the window's object, a window made from its designed size in
// twips at a DPI, fonts and icons at a DPI.  Per-monitor DPI came with
// Windows 8.1 and its functions with Windows 10 1607; each is looked up at
// run time and falls back to the system DPI, all there is on older Windows.
#pragma once

#include <windows.h>

#include <optional>

#include "platform/win32/Handles_win.h"

namespace platform::win {

// The DPI the windows were designed at: there twips give the pixels the
// designer saw, and pictures are drawn at their own size.
inline constexpr int kDesignDpi = 96;
inline constexpr UINT kWmDpiChanged = 0x02E0;  // WM_DPICHANGED, Windows 8.1 on

constexpr int TwipsToPixels(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;  // 1440 twips an inch, to the nearest pixel
}

// The window procedure of T's windows: the object comes with WM_NCCREATE
// (CreateWindowEx's last argument) and is let go after WM_NCDESTROY, so no
// message reaches it before or after.  T::OnMessage gets the window's handle
// with every message, the first included.
template <class T>
LRESULT CALLBACK WindowProcOf(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<T*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) {
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    }
    return self->OnMessage(hwnd, message, wParam, lParam);
}

// A top-level window as designed: not resizable, its client area a fixed
// size in twips.
struct WindowDesign {
    const wchar_t* className;  // one class per window; others find it by this name
    const wchar_t* caption;
    DWORD style;
    SIZE clientTwips;
    std::optional<POINT> placeTwips;  // none: the middle of the work area
    int iconResource;
};

// Made at the system's DPI; the caller lays it out again at once if the
// window's own DPI (its monitor's) differs.  Hidden until shown.
HWND CreateDesignedWindow(const WindowDesign& design, WNDPROC proc, void* self);
// The outer size around the designed client area at a DPI.
SIZE DesignedWindowSize(const WindowDesign& design, int dpi);

// The window's DPI: its monitor's where Windows has per-monitor DPI.
int WindowDpi(HWND hwnd);
int SystemDpi();  // the primary monitor's at logon
int SystemMetricForDpi(int index, int dpi);

// A font of character set 134 (GB2312), as every font of the program is.
struct FontDesign {
    const wchar_t* face;
    int tenthsOfPoint;
    int weight;  // 400 normal, 700 bold
    bool underline;
};
UniqueFont MakeFont(const FontDesign& font, int dpi);

// The window's big and small icons at the sizes its DPI asks for; the new
// ones are in place before the old ones go.
struct WindowIcons {
    UniqueIcon big;
    UniqueIcon small;
    void Set(HWND hwnd, int resource, int dpi);
};

// The frame a window takes at a new DPI: the rectangle Windows suggests, or
// where there is none (the first layout) its place with the new size.
void MoveToDpi(HWND hwnd, const WindowDesign& design, int dpi, const RECT* suggested);

}  // namespace platform::win
