// What both windows take from Win32, at per-monitor DPI where Windows has it.
#pragma once

#include <optional>
#include <type_traits>

#include "platform/win32/Handles_win.h"

namespace platform::win {

// The DPI designed at: there twips give the pixels the designer saw.
inline constexpr int kDesignDpi = 96;
inline constexpr UINT kWmDpiChanged = 0x02E0;  // WM_DPICHANGED, Windows 8.1 on

constexpr int TwipsToPixels(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;  // 1440 twips an inch, to the nearest pixel
}

// The handle of a window the program made, from WM_NCCREATE to WM_NCDESTROY.
struct OwnWindow {
    HWND hwnd_ = nullptr;
};

// The object comes with WM_NCCREATE and is let go at WM_NCDESTROY.
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
    if constexpr (std::is_base_of_v<OwnWindow, T>) {
        self->hwnd_ = message == WM_NCDESTROY ? nullptr : hwnd;
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    }
    return self->OnMessage(hwnd, message, wParam, lParam);
}

// A top-level window as designed: a client area of a fixed size in twips.
struct WindowDesign {
    const wchar_t* className;  // one class per window: others find it by name
    const wchar_t* caption;
    DWORD style;
    SIZE clientTwips;
    std::optional<POINT> placeTwips;  // none: the middle of the work area
    int iconResource;
};

// Hidden, at the system's DPI: the caller lays it out at the window's own.
HWND CreateDesignedWindow(const WindowDesign& design, WNDPROC proc, void* self);
int WindowDpi(HWND hwnd);  // its monitor's, where Windows has per-monitor DPI
int SystemDpi();           // the primary monitor's at logon
int SystemMetricForDpi(int index, int dpi);

struct FontDesign {  // of character set 134 (GB2312), as every font of the program
    const wchar_t* face;
    int tenthsOfPoint;
    int weight;  // 400 normal, 700 bold
    bool underline;
};
UniqueFont MakeFont(const FontDesign& font, int dpi);

struct WindowIcons {
    UniqueIcon big;
    UniqueIcon small;
    void Set(HWND hwnd, int resource, int dpi);
};

// The rectangle Windows suggests, or none: the window's place, new size.
void MoveToDpi(HWND hwnd, const WindowDesign& design, int dpi, const RECT* suggested);

}  // namespace platform::win
