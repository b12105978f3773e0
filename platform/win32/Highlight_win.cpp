#include "platform/win32/Highlight_win.h"

#include <algorithm>
#include <cstdint>

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

// A picture with an alpha channel: the band opaque, the rest clear, so no
// colour of the screen's can hide the band or show through as it.  Windows
// keeps its own copy: the picture goes at once.
void Win32Highlight::ShowFrame(const FrameDrawing& frame) {
    const HWND hwnd = Window();
    const int width = frame.outer.right - frame.outer.left;
    const int height = frame.outer.bottom - frame.outer.top;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const UniqueBitmap picture(
        ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));  // all clear
    const MemoryDC dc(::CreateCompatibleDC(nullptr));
    if (!hwnd || !picture || !dc) {
        return;
    }
    ::KillTimer(hwnd, kFadeTimer);
    // Premultiplied, opaque: the colour as it is, 0xAARRGGBB in memory.
    const std::uint32_t band = 0xFF000000U | (frame.colour & 0xFF00U) |
                               ((frame.colour & 0xFFU) << 16) | ((frame.colour >> 16) & 0xFFU);
    auto* row = static_cast<std::uint32_t*>(bits);
    for (int y = 0; y < height; ++y, row += width) {
        for (const Span& span : BandInRow(frame, y)) {
            std::fill(row + span.from, row + std::max(span.from, span.to), band);
        }
    }
    const SelectObjectScope selected(dc.get(), picture.get());
    POINT at{frame.outer.left, frame.outer.top};
    SIZE size{width, height};
    POINT origin{};
    alpha_ = 255;
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::UpdateLayeredWindow(hwnd, nullptr, &at, &size, dc.get(), &origin, 0, &blend, ULW_ALPHA);
    ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
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

// The same picture, fainter.
void Win32Highlight::Fade() {
    if (alpha_ <= kFadeStep) {
        HideFrame(FrameEnd::AtOnce);
        return;
    }
    alpha_ -= kFadeStep;
    BLENDFUNCTION blend{AC_SRC_OVER, 0, static_cast<BYTE>(alpha_), AC_SRC_ALPHA};
    ::UpdateLayeredWindow(frame_.get(), nullptr, nullptr, nullptr, nullptr, nullptr, 0, &blend,
                          ULW_ALPHA);
}

LRESULT Win32Highlight::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_TIMER:
            if (wParam == kWakeTimer) {  // once
                ::KillTimer(hwnd, kWakeTimer);
                wake_(context_);
                return 0;
            }
            if (wParam == kFadeTimer) {
                Fade();
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
