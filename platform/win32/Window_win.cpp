#include "platform/win32/Window_win.h"

#include <algorithm>

namespace platform::win {
namespace {

constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

// user32 is imported, so always loaded.
template <class Fn>
Fn User32Entry(const char* name) {
    return ProcAddress<Fn>(::GetModuleHandleW(L"user32.dll"), name);
}

RECT WindowRectForClient(int width, int height, DWORD style, int dpi) {
    using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjustForDpi = User32Entry<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, width, height};
    if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, kExStyle, static_cast<UINT>(dpi))) {
        rect = RECT{0, 0, width, height};
        ::AdjustWindowRectEx(&rect, style, FALSE, kExStyle);
    }
    return rect;
}

SIZE DesignedWindowSize(const WindowDesign& design, int dpi) {
    const RECT frame =
        WindowRectForClient(TwipsToPixels(design.clientTwips.cx, dpi),
                            TwipsToPixels(design.clientTwips.cy, dpi), design.style, dpi);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

}  // namespace

int SystemDpi() {
    const WindowDC screen(nullptr);
    const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? dpi : kDesignDpi;
}

int WindowDpi(HWND hwnd) {
    const auto getDpi = User32Entry<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = getDpi ? getDpi(hwnd) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    const auto forDpi = User32Entry<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
    if (forDpi) {
        return forDpi(index, static_cast<UINT>(dpi));
    }
    return ::MulDiv(::GetSystemMetrics(index), dpi, SystemDpi());
}

// At the stored place, kept on its work area, or in the middle.
HWND CreateDesignedWindow(const WindowDesign& design, WNDPROC proc, void* self) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(design.iconResource),
                                               IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = design.className;
    ::RegisterClassExW(&wc);  // fails harmlessly when the class exists already

    const int dpi = SystemDpi();
    const SIZE size = DesignedWindowSize(design, dpi);
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    POINT at{(work.left + work.right - size.cx) / 2, (work.top + work.bottom - size.cy) / 2};
    if (design.placeTwips) {
        at = POINT{TwipsToPixels(design.placeTwips->x, dpi),
                   TwipsToPixels(design.placeTwips->y, dpi)};
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        if (::GetMonitorInfoW(::MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor)) {
            work = monitor.rcWork;
        }
    }
    at.x = std::max(work.left, std::min(at.x, work.right - size.cx));
    at.y = std::max(work.top, std::min(at.y, work.bottom - size.cy));
    return ::CreateWindowExW(kExStyle, design.className, design.caption, design.style, at.x, at.y,
                             size.cx, size.cy, nullptr, nullptr, instance, self);
}

void MoveToDpi(HWND hwnd, const WindowDesign& design, int dpi, const RECT* suggested) {
    constexpr UINT kKeepOrder = SWP_NOZORDER | SWP_NOACTIVATE;
    if (suggested) {
        ::SetWindowPos(hwnd, nullptr, suggested->left, suggested->top,
                       suggested->right - suggested->left, suggested->bottom - suggested->top,
                       kKeepOrder);
    } else {
        const SIZE size = DesignedWindowSize(design, dpi);
        ::SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | kKeepOrder);
    }
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

UniqueFont MakeFont(const FontDesign& font, int dpi) {
    constexpr BYTE kGb2312 = 134;
    return UniqueFont(::CreateFontW(-::MulDiv(font.tenthsOfPoint, dpi, 720), 0, 0, 0, font.weight,
                                    FALSE, font.underline, FALSE, kGb2312, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, font.face));
}

void WindowIcons::Set(HWND hwnd, int resource, int dpi) {
    UniqueIcon newBig = LoadIconSized(resource, SystemMetricForDpi(SM_CXICON, dpi));
    UniqueIcon newSmall = LoadIconSized(resource, SystemMetricForDpi(SM_CXSMICON, dpi));
    ::SendMessageW(hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(newBig.get()));
    ::SendMessageW(hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(newSmall.get()));
    big = std::move(newBig);
    small = std::move(newSmall);
}

}  // namespace platform::win
