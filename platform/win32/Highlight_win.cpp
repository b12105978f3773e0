#include "platform/win32/Highlight_win.h"

#include <windows.h>

#include "platform/win32/Window_win.h"
#include "platform/win32/Handles_win.h"

namespace platform::win {
namespace {

constexpr UINT_PTR kFadeTimer = 1;
// Five steps of 30 ms: a fade of about 0.15 s.
constexpr UINT kFadeStepMs = 30;
constexpr int kFadeStep = 51;
// DwmGetWindowAttribute's DWMWA_EXTENDED_FRAME_BOUNDS; GetDpiForMonitor's
// MDT_EFFECTIVE_DPI.
constexpr DWORD kExtendedFrameBounds = 9;
constexpr int kEffectiveDpi = 0;
// Not in every SDK's headers: "Show animations in Windows", Vista on.
constexpr UINT kGetClientAreaAnimation = 0x1042;

// The frame's hollow inside is this colour, keyed out: any colour but the band's.
COLORREF HollowColour(std::uint32_t band) {
    return static_cast<COLORREF>(band ^ 1);
}

PixelRect AsRect(const RECT& r) {
    return {r.left, r.top, r.right, r.bottom};
}

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

// A system DLL loaded when first needed, once: a missing one stays missing.
UniqueLibrary& LoadOnce(UniqueLibrary& library, bool& tried, const wchar_t* name) {
    if (!tried) {
        tried = true;
        library = LoadSystemLibrary(name);
    }
    return library;
}

}  // namespace

UniqueLibrary& Win32Highlight::Dwm() {
    return LoadOnce(dwmapi_, dwmapiTried_, L"dwmapi.dll");
}

std::optional<WindowOnScreen> Win32Highlight::Look(Handle window) {
    const HWND hwnd = AsHwnd(window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    const HMONITOR onMonitor = ::MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST);
    if (!::IsWindow(hwnd) || !::GetMonitorInfoW(onMonitor, &monitor)) {
        return std::nullopt;
    }
    WindowOnScreen look;
    look.topmost = (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
    look.shown = ::IsWindowVisible(hwnd) && !::IsIconic(hwnd);
    look.frame = VisibleFrame(hwnd);
    look.monitor = AsRect(monitor.rcMonitor);
    look.dpi = MonitorDpi(onMonitor);
    return look;
}

// Windows 10 and 11 count invisible resize borders in the window's
// rectangle; the window manager knows the frame that shows.  The program is
// per-monitor DPI aware, so both are in the screen's own pixels.
PixelRect Win32Highlight::VisibleFrame(HWND hwnd) {
    using GetAttributeFn = HRESULT(WINAPI*)(HWND, DWORD, void*, DWORD);
    const auto getAttribute = ProcAddress<GetAttributeFn>(Dwm(), "DwmGetWindowAttribute");
    RECT rect{};
    if (getAttribute && SUCCEEDED(getAttribute(hwnd, kExtendedFrameBounds, &rect, sizeof(rect)))) {
        return AsRect(rect);
    }
    ::GetWindowRect(hwnd, &rect);
    return AsRect(rect);
}

int Win32Highlight::MonitorDpi(HMONITOR monitor) {
    using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    const auto getDpi = ProcAddress<GetDpiForMonitorFn>(
        LoadOnce(shcore_, shcoreTried_, L"shcore.dll"), "GetDpiForMonitor");
    UINT x = 0;
    UINT y = 0;
    if (getDpi && SUCCEEDED(getDpi(monitor, kEffectiveDpi, &x, &y)) && x > 0) {
        return static_cast<int>(x);
    }
    return SystemDpi();
}

SystemAccent Win32Highlight::Colours() {
    using IsComposedFn = HRESULT(WINAPI*)(BOOL*);
    using GetColourFn = HRESULT(WINAPI*)(DWORD*, BOOL*);
    SystemAccent accent;
    accent.highContrast = HighContrastOn();
    accent.selection = ::GetSysColor(COLOR_HIGHLIGHT);
    const auto isComposed = ProcAddress<IsComposedFn>(Dwm(), "DwmIsCompositionEnabled");
    const auto getColour = ProcAddress<GetColourFn>(Dwm(), "DwmGetColorizationColor");
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

void Win32Highlight::ShowFrame(const FrameDrawing& frame) {
    const HWND hwnd = FrameWindow();
    if (!hwnd) {
        return;
    }
    ::KillTimer(hwnd, kFadeTimer);
    drawing_ = frame;
    SetAlpha(hwnd, 255);
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

void Win32Highlight::SetAlpha(HWND hwnd, BYTE alpha) {
    alpha_ = alpha;
    ::SetLayeredWindowAttributes(hwnd, HollowColour(drawing_.colour), alpha,
                                 LWA_COLORKEY | LWA_ALPHA);
}

void Win32Highlight::FadeStep(HWND hwnd) {
    if (alpha_ <= kFadeStep) {
        HideFrame(FrameEnd::AtOnce);
        return;
    }
    SetAlpha(hwnd, static_cast<BYTE>(alpha_ - kFadeStep));
}

// Not owned by the main window, whose owned windows hide while it is
// minimised, as it is while it waits in the tray; and not a form, so the
// program still ends with its last form.
HWND Win32Highlight::FrameWindow() {
    if (frame_) {
        return frame_.get();
    }
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = FrameProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className_;
    ::RegisterClassExW(&windowClass);
    // Layered and transparent: clicks go through to the window beneath.
    constexpr DWORD kExStyle =
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    frame_.reset(::CreateWindowExW(kExStyle, className_, L"", WS_POPUP, 0, 0, 0, 0, nullptr,
                                   nullptr, instance, nullptr));
    if (frame_) {
        ::SetWindowLongPtrW(frame_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    return frame_.get();
}

// The band in the frame's colour, the inside in the keyed-out one.
void Win32Highlight::Paint(HWND hwnd) {
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
}

LRESULT CALLBACK Win32Highlight::FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* self = reinterpret_cast<Win32Highlight*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && message == WM_PAINT) {
        self->Paint(hwnd);
        return 0;
    }
    if (self && message == WM_TIMER && wParam == kFadeTimer) {
        self->FadeStep(hwnd);
        return 0;
    }
    if (message == WM_MOUSEACTIVATE) {
        return MA_NOACTIVATE;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace platform::win
