#include "platform/win32/Highlight_win.h"

#include "platform/win32/Window_win.h"

namespace platform::win {
namespace {

constexpr UINT_PTR kFadeTimer = 1;
constexpr UINT_PTR kWakeTimer = 2;
constexpr UINT kFadeStepMs = 30;  // five steps: a fade of about 0.15 s
constexpr int kFadeStep = 51;
constexpr DWORD kExtendedFrameBounds = 9;         // DWMWA_EXTENDED_FRAME_BOUNDS
constexpr DWORD kCornerPreference = 33;           // DWMWA_WINDOW_CORNER_PREFERENCE
constexpr DWORD kFirstRoundingBuild = 22000;      // Windows 11
constexpr int kEffectiveDpi = 0;                  // MDT_EFFECTIVE_DPI
constexpr UINT kGetClientAreaAnimation = 0x1042;  // SPI_GETCLIENTAREAANIMATION, Vista on

using GetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
using UniqueRegion = Unique<HRGN, &::DeleteObject>;
using UniqueKey = Unique<HKEY, &::RegCloseKey>;

PixelRect AsRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

PixelRect VirtualScreen() {
    const int left = ::GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = ::GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + ::GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// RtlGetVersion tells the truth to a program whose manifest names no Windows 10.
bool WindowsRoundsCorners() {
    using GetVersionFn = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto getVersion =
        ProcAddress<GetVersionFn>(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion");
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    return getVersion && getVersion(&version) == 0 && version.dwMajorVersion == 10 &&
           version.dwBuildNumber >= kFirstRoundingBuild;
}

// The accent colour Settings shows, where the shell keeps it for DWM
// (0xAABBGGRR); Windows 10 on.
std::optional<std::uint32_t> ShellAccent() {
    HKEY raw = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Windows\\DWM", 0, KEY_QUERY_VALUE,
                        &raw) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const UniqueKey key(raw);
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegQueryValueExW(key.get(), L"AccentColor", nullptr, &type,
                           reinterpret_cast<BYTE*>(&value), &size) != ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(value)) {
        return std::nullopt;
    }
    return value;
}

// The window manager knows the frame that shows, without invisible borders.
PixelRect VisibleFrame(HWND hwnd, GetAttributeFn getAttribute) {
    RECT rect{};
    if (!getAttribute || FAILED(getAttribute(hwnd, kExtendedFrameBounds, &rect, sizeof(rect)))) {
        ::GetWindowRect(hwnd, &rect);
    }
    return AsRect(rect);
}

// Windows 11 rounds the windows it draws a border, a caption or a sizing
// frame for, unless they ask it not to; one that says nothing takes the default.
Corners CornersOf(HWND hwnd, GetAttributeFn getAttribute) {
    const LONG style = ::GetWindowLongW(hwnd, GWL_STYLE);
    if (!WindowsRoundsCorners() || (style & (WS_CAPTION | WS_THICKFRAME)) == 0) {
        return Corners::DoNotRound;
    }
    Corners corners = Corners::Default;
    if (getAttribute && FAILED(getAttribute(hwnd, kCornerPreference, &corners, sizeof(corners)))) {
        corners = Corners::Default;
    }
    return corners;
}

// A rectangle with its corners rounded by radius; RoundRect regions leave
// out their right and bottom edges, so they are given one more.
HRGN RoundedRegion(int left, int top, int right, int bottom, int radius) {
    return radius > 0
               ? ::CreateRoundRectRgn(left, top, right + 1, bottom + 1, 2 * radius, 2 * radius)
               : ::CreateRectRgn(left, top, right, bottom);
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
    const auto getAttribute = dwmapi_.Entry<GetAttributeFn>("DwmGetWindowAttribute");
    return WindowOnScreen{.topmost = (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0,
                          .shown = ::IsWindowVisible(hwnd) && !::IsIconic(hwnd),
                          .maximised = ::IsZoomed(hwnd) != FALSE,
                          .frame = VisibleFrame(hwnd, getAttribute),
                          .monitor = AsRect(monitor.rcMonitor),
                          .workArea = AsRect(monitor.rcWork),
                          .screen = VirtualScreen(),
                          .dpi = MonitorDpi(onMonitor),
                          .corners = CornersOf(hwnd, getAttribute)};
}

// The DPI Windows shows a window at is that of the monitor with most of it.
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
                        .accent = ShellAccent(),
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
HWND Win32Highlight::Window() {
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
    }
    return frame_.get();
}

void Win32Highlight::WakeIn(unsigned ms) {
    if (const HWND hwnd = Window(); hwnd && ms > 0) {
        ::SetTimer(hwnd, kWakeTimer, ms, nullptr);
    } else if (hwnd) {
        ::KillTimer(hwnd, kWakeTimer);
    }
}

void Win32Highlight::ShowFrame(const FrameDrawing& frame) {
    const HWND hwnd = Window();
    if (!hwnd) {
        return;
    }
    ::KillTimer(hwnd, kFadeTimer);
    colour_ = frame.colour;
    SetAlpha(255);
    const PixelRect& r = frame.outer;
    SetShape({r.right - r.left, r.bottom - r.top, frame.thickness, frame.radius});
    ::SetWindowPos(hwnd, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOACTIVATE);
    ::InvalidateRect(hwnd, nullptr, FALSE);
    ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    ::UpdateWindow(hwnd);  // painted now, not after the rest of the queue
}

// The window keeps only the ring: the band's inner edge follows the window's
// corners, its outer edge the same curve a band further out.  Set again only
// when the ring changes: the window owns the region it is given.
void Win32Highlight::SetShape(const Shape& shape) {
    if (shape == shape_) {
        return;
    }
    const int t = shape.thickness;
    const int r = shape.radius;
    UniqueRegion ring(RoundedRegion(0, 0, shape.width, shape.height, r > 0 ? r + t : 0));
    const UniqueRegion inside(shape.width > 2 * t && shape.height > 2 * t
                                  ? RoundedRegion(t, t, shape.width - t, shape.height - t, r)
                                  : nullptr);  // all band
    if (!ring ||
        (inside && ::CombineRgn(ring.get(), ring.get(), inside.get(), RGN_DIFF) == ERROR) ||
        ::SetWindowRgn(frame_.get(), ring.get(), FALSE) == 0) {
        return;
    }
    static_cast<void>(ring.release());  // the window's now
    shape_ = shape;
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
    ::SetLayeredWindowAttributes(frame_.get(), 0, static_cast<BYTE>(alpha), LWA_ALPHA);
}

LRESULT Win32Highlight::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {  // all of it: the region keeps the band
            PAINTSTRUCT paint{};
            const HDC dc = ::BeginPaint(hwnd, &paint);
            const UniqueBrush band(::CreateSolidBrush(colour_));
            ::FillRect(dc, &paint.rcPaint, band.get());
            ::EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_TIMER:
            if (wParam == kWakeTimer) {  // once
                ::KillTimer(hwnd, kWakeTimer);
                wake_(context_);
                return 0;
            }
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
