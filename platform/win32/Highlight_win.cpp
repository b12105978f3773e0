#include "platform/win32/Highlight_win.h"

#include "platform/win32/Window_win.h"

namespace platform::win {
namespace {

constexpr UINT_PTR kFadeTimer = 1;
constexpr UINT kFadeStepMs = 30;  // five steps: a fade of about 0.15 s
constexpr int kFadeStep = 51;
constexpr DWORD kExtendedFrameBounds = 9;         // DWMWA_EXTENDED_FRAME_BOUNDS
constexpr int kEffectiveDpi = 0;                  // MDT_EFFECTIVE_DPI
constexpr UINT kGetClientAreaAnimation = 0x1042;  // SPI_GETCLIENTAREAANIMATION, Vista on

// The frame's hollow inside is this colour, keyed out: any colour but the band's.
COLORREF HollowColour(std::uint32_t band) {
    return static_cast<COLORREF>(band ^ 1);
}

PixelRect AsRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

}  // namespace

std::optional<WindowOnScreen> Win32Highlight::Look(Handle window) {
    const HWND hwnd = AsHwnd(window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    const HMONITOR onMonitor = ::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST);
    if (!::IsWindow(hwnd) || !::GetMonitorInfoW(onMonitor, &monitor)) {
        return std::nullopt;
    }
    return WindowOnScreen{.topmost = (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
                          .shown = ::IsWindowVisible(hwnd) && !::IsIconic(hwnd),
                          .frame = VisibleFrame(hwnd),
                          .monitor = AsRect(monitor.rcMonitor),
                          .dpi = MonitorDpi(onMonitor)};
}

// The window manager knows the frame that shows, without invisible borders.
PixelRect Win32Highlight::VisibleFrame(HWND hwnd) {
    using GetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
    const auto getAttribute = dwmapi_.Entry<GetAttributeFn>("DwmGetWindowAttribute");
    RECT rect{};
    if (!getAttribute || FAILED(getAttribute(hwnd, kExtendedFrameBounds, &rect, sizeof(rect)))) {
        ::GetWindowRect(hwnd, &rect);
    }
    return AsRect(rect);
}

int Win32Highlight::MonitorDpi(HMONITOR monitor) {
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    const auto getDpi = shcore_.Entry<GetDpiForMonitorFn>("GetDpiForMonitor");
    UINT x = 0;
    UINT y = 0;
    if (getDpi && SUCCEEDED(getDpi(monitor, kEffectiveDpi, &x, &y)) && x > 0) {
        return static_cast<int>(x);
    }
    return SystemDpi();
}

SystemAccent Win32Highlight::Colours() {
    SystemAccent accent{.highContrast = HighContrastOn(),
                        .colorization = std::nullopt,
                        .selection = ::GetSysColor(COLOR_HIGHLIGHT)};
    const auto isComposed = dwmapi_.Entry<HRESULT(WINAPI*)(BOOL*)>("DwmIsCompositionEnabled");
    const auto getColour =
        dwmapi_.Entry<HRESULT(WINAPI*)(DWORD*, BOOL*)>("DwmGetColorizationColor");
    BOOL composed = FALSE;
    DWORD colour = 0;
    BOOL opaque = FALSE;
    if (isComposed && getColour && SUCCEEDED(isComposed(&composed)) && composed &&
        SUCCEEDED(getColour(&colour, &opaque))) {
        accent.colorization = colour;
    }
    return accent;
}

bool Win32Highlight::AnimationsOn() {
    BOOL on = FALSE;
    return ::SystemParametersInfoW(kGetClientAreaAnimation, 0, &on, 0) != FALSE && on;
}

// Layered and transparent: clicks go through.  Unowned: the main window's
// owned windows hide with it in the tray.
void Win32Highlight::ShowFrame(const FrameDrawing& frame) {
    if (!frame_) {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = WindowProcOf<Win32Highlight>;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = className_;
        ::RegisterClassExW(&windowClass);
        constexpr DWORD kExStyle =
            WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
        frame_.reset(::CreateWindowExW(kExStyle, className_, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                       nullptr, windowClass.hInstance, this));
        if (!frame_) {
            return;
        }
    }
    const HWND hwnd = frame_.get();
    ::KillTimer(hwnd, kFadeTimer);
    drawing_ = frame;
    SetAlpha(255);
    const PixelRect& r = frame.outer;
    ::SetWindowPos(hwnd, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOACTIVATE);
    ::InvalidateRect(hwnd, nullptr, FALSE);
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(hwnd);  // painted now, not after the rest of the queue
}

void Win32Highlight::HideFrame(FrameEnd end) {
    const HWND hwnd = frame_.get();
    if (!hwnd || !::IsWindowVisible(hwnd)) {
        return;
    }
    if (end == FrameEnd::FadeOut) {
        ::SetTimer(hwnd, kFadeTimer, kFadeStepMs, nullptr);
        return;
    }
    ::KillTimer(hwnd, kFadeTimer);
    ::ShowWindow(hwnd, SW_HIDE);
}

void Win32Highlight::SetAlpha(int alpha) {
    alpha_ = alpha;
    ::SetLayeredWindowAttributes(frame_.get(), HollowColour(drawing_.colour),
                                 static_cast<BYTE>(alpha), LWA_COLORKEY | LWA_ALPHA);
}

LRESULT Win32Highlight::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {  // the band in the frame's colour, the inside keyed out
            PAINTSTRUCT paint{};
            const HDC dc = ::BeginPaint(hwnd, &paint);
            RECT all{};
            ::GetClientRect(hwnd, &all);
            const UniqueBrush band(::CreateSolidBrush(drawing_.colour));
            const UniqueBrush hollow(::CreateSolidBrush(HollowColour(drawing_.colour)));
            ::FillRect(dc, &all, band.get());
            const int t = drawing_.thickness;
            const RECT inside{t, t, all.right - t, all.bottom - t};
            if (inside.left < inside.right && inside.top < inside.bottom) {
                ::FillRect(dc, &inside, hollow.get());
            }
            ::EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_TIMER:
            if (wParam == kFadeTimer) {
                if (alpha_ <= kFadeStep) {
                    HideFrame(FrameEnd::AtOnce);
                } else {
                    SetAlpha(alpha_ - kFadeStep);
                }
                return 0;
            }
            break;
        case WM_MOUSEACTIVATE:
            return MA_NOACTIVATE;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace platform::win
