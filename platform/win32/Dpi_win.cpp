#include "platform/win32/Dpi_win.h"

#include "platform/win32/Handles_win.h"

namespace platform::win {
namespace {

// An entry of user32, which the program loads itself, so it needs no owner.
template <class Fn>
Fn User32Entry(const char* name) {
    return ProcAddress<Fn>(::GetModuleHandleW(L"user32.dll"), name);
}

}  // namespace

int SystemDpi() {
    const WindowDC screen(nullptr);
    const int dpi = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? dpi : kDesignDpi;
}

int WindowDpi(HWND hwnd) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    const auto getDpi = User32Entry<GetDpiForWindowFn>("GetDpiForWindow");
    const UINT dpi = getDpi ? getDpi(hwnd) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : SystemDpi();
}

int SystemMetricForDpi(int index, int dpi) {
    using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
    const auto forDpi = User32Entry<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (forDpi) {
        return forDpi(index, static_cast<UINT>(dpi));
    }
    return ::MulDiv(::GetSystemMetrics(index), dpi, SystemDpi());
}

UniqueIcon LoadNotificationIcon(int resource, int dpi) {
    using LoadIconMetricFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, HICON*);
    constexpr int kLimSmall = 0;  // LIM_SMALL: SM_CXSMICON's size
    // comctl32 is the program's own import, so it is loaded already (the
    // manifest's version 6, which alone has the function).
    const auto loadIconMetric =
        ProcAddress<LoadIconMetricFn>(::GetModuleHandleW(L"comctl32.dll"), "LoadIconMetric");
    HICON icon = nullptr;
    if (loadIconMetric && SUCCEEDED(loadIconMetric(::GetModuleHandleW(nullptr),
                                                   MAKEINTRESOURCEW(resource), kLimSmall, &icon))) {
        return UniqueIcon(icon);
    }
    return LoadIconSized(resource, SystemMetricForDpi(SM_CXSMICON, dpi));
}

RECT WindowRectForClient(int clientWidth, int clientHeight, DWORD style, DWORD exStyle, int dpi) {
    using AdjustForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjustForDpi = User32Entry<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, clientWidth, clientHeight};
    if (!adjustForDpi || !adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        rect = RECT{0, 0, clientWidth, clientHeight};
        ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return rect;
}

}  // namespace platform::win
