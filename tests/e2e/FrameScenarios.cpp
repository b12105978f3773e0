// The frame that shows a press pinned the window: when it shows and goes,
// where it lies, and that it takes neither the focus nor a click.
#include <chrono>
#include <cstdio>
#include <string>

#include "tests/e2e/Scenarios.h"

namespace e2e {
namespace {

using Clock = std::chrono::steady_clock;

// The band's width: 4 pixels at 96 dpi, scaled to the screen's DPI.
int Thickness() {
    const HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return ::MulDiv(4, dpi, 96);
}
// The pinned window is looked for for a second, the frame shows for about
// 0.6 s: both with room for a slow tick.
constexpr int kShowsWithinMs = 1000;
// The window in front is looked at every 30 ms after a pin, not at the next
// poll: the frame follows it at once, with room for a slow machine.
constexpr int kShowsAfterTheWindowMs = 120;
constexpr int kGoesWithinMs = 1000;

int MsSince(Clock::time_point start) {
    return static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

HWND FrameOf(const Program& program) {
    const auto frames = TopLevelWindows(program.pid(), app::facts::kPinFrameWindowClass);
    return frames.empty() ? nullptr : frames.front();
}

bool FrameShows(const Program& program) {
    const HWND frame = FrameOf(program);
    return frame && ::IsWindowVisible(frame);
}

// No frame at any moment of the time given.
bool NoFrameFor(const Program& program, int ms) {
    return !WaitFor([&] { return FrameShows(program); }, ms);
}

// As near as a display of 16 bits a pixel keeps a colour: 5 bits of red
// and blue, 6 of green.
bool NearlyTheSame(COLORREF a, COLORREF b) {
    const auto within = [](int x, int y) { return x - y < 8 && y - x < 8; };
    return within(GetRValue(a), GetRValue(b)) && within(GetGValue(a), GetGValue(b)) &&
           within(GetBValue(a), GetBValue(b));
}

// The pixels of the screen from the band's outer edge inwards, in the
// band's colour: the band's width as it shows.
int BandWidthOnScreen(POINT outerEdge, COLORREF colour) {
    const HDC screen = ::GetDC(nullptr);
    constexpr int kAtMost = 32;  // wider than any band: something else in that colour
    int width = 0;
    while (width < kAtMost &&
           NearlyTheSame(::GetPixel(screen, outerEdge.x, outerEdge.y + width), colour)) {
        ++width;
    }
    ::ReleaseDC(nullptr, screen);
    return width;
}

// A window of the driver's under the one to pin, filling the screen round it.
HWND WindowBeneath() {
    const HWND beneath = ::CreateWindowExW(
        0, DriverClass(L"OrvaneE2EBeneath", ::DefWindowProcW, COLOR_BTNFACE), L"beneath", WS_POPUP,
        0, 0, 600, 500, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::ShowWindow(beneath, SW_SHOWNOACTIVATE);
    return beneath;
}

void ShowsAFrameRoundAPinnedWindow(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    const HWND beneath = WindowBeneath();
    TargetWindow target;
    ::SetFocus(target.hwnd());
    EXPECT_TRUE(!FrameShows(program));

    KeyDown(VK_F8);
    EXPECT_TRUE(WaitFor([&] { return target.Topmost(); }, kShowsWithinMs));
    const auto pinned = Clock::now();
    EXPECT_TRUE(WaitFor([&] { return FrameShows(program); }, kShowsWithinMs));
    const int showsAfterMs = MsSince(pinned);
    const auto shown = Clock::now();
    KeyUp(VK_F8);
    EXPECT_TRUE(showsAfterMs <= kShowsAfterTheWindowMs);
    const HWND frame = FrameOf(program);
    const int thickness = Thickness();

    // Just outside the window, which keeps the foreground and the focus.
    RECT window{};
    RECT outer{};
    ::GetWindowRect(target.hwnd(), &window);
    ::GetWindowRect(frame, &outer);
    std::printf("window %ld,%ld,%ld,%ld; frame %ld,%ld,%ld,%ld; shown %d ms after the pin\n",
                window.left, window.top, window.right, window.bottom, outer.left, outer.top,
                outer.right, outer.bottom, showsAfterMs);
    EXPECT_EQ(outer.left, window.left - thickness);
    EXPECT_EQ(outer.top, window.top - thickness);
    EXPECT_EQ(outer.right, window.right + thickness);
    EXPECT_EQ(outer.bottom, window.bottom + thickness);
    EXPECT_EQ(::GetForegroundWindow(), target.hwnd());
    EXPECT_EQ(::GetFocus(), target.hwnd());
    // Never in the taskbar or Alt+Tab, and owned by no window of the program.
    const LONG exStyle = ::GetWindowLongW(frame, GWL_EXSTYLE);
    constexpr LONG kOverlay =
        WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    EXPECT_EQ(exStyle & (kOverlay | WS_EX_APPWINDOW), kOverlay);
    EXPECT_TRUE(::GetWindow(frame, GW_OWNER) == nullptr);

    // On the screen: a band of four pixels, hollow inside; a point on it is
    // the window beneath's.
    const POINT onBand{(outer.left + outer.right) / 2, outer.top + 1};
    // Painted a moment after it shows.
    int band = 0;
    WaitFor(
        [&] {
            band = BandWidthOnScreen({onBand.x, outer.top}, ::GetSysColor(COLOR_HIGHLIGHT));
            return band == thickness;
        },
        kPollMs);
    const HDC screenDc = ::GetDC(nullptr);
    std::printf(
        "band on the screen: %d pixels wide at %d pixels for 4 at 96 dpi, %d bits a pixel\n", band,
        thickness, ::GetDeviceCaps(screenDc, BITSPIXEL));
    ::ReleaseDC(nullptr, screenDc);
    EXPECT_EQ(band, thickness);
    EXPECT_EQ(::WindowFromPoint(onBand), beneath);
    const POINT inside{(window.left + window.right) / 2, (window.top + window.bottom) / 2};
    EXPECT_EQ(::WindowFromPoint(inside), target.hwnd());

    // Gone a moment later; the foreground and the focus never moved.
    bool keptFocus = true;
    EXPECT_TRUE(WaitFor(
        [&] {
            keptFocus = keptFocus && ::GetForegroundWindow() == target.hwnd() &&
                        ::GetFocus() == target.hwnd();
            return !FrameShows(program);
        },
        kGoesWithinMs));
    const int showedMs = MsSince(shown);
    std::printf("the frame showed for about %d ms more\n", showedMs);
    EXPECT_TRUE(keptFocus);
    EXPECT_TRUE(target.Topmost());
    // It doesn't come back by itself.
    EXPECT_TRUE(NoFrameFor(program, kShowsWithinMs));
    ::DestroyWindow(beneath);
}

// An un-pin never shows the frame, and takes away one that shows at once.
void NoFrameOnUnpin(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    TargetWindow target;
    EXPECT_TRUE(HoldKeyUntil(VK_F8, [&] { return target.Topmost(); }));
    EXPECT_TRUE(WaitFor([&] { return FrameShows(program); }, kShowsWithinMs));
    // Pressed again at once: the un-pin lands long before the frame's own end.
    const auto shown = Clock::now();
    Clock::time_point unpinned{};
    KeyDown(VK_F8);
    EXPECT_TRUE(WaitFor([&] {
        unpinned = Clock::now();
        return !target.Topmost();
    }));
    KeyUp(VK_F8);
    const bool goneSoon = WaitFor([&] { return !FrameShows(program); }, kPollMs * 3 / 4);
    WaitFor([&] { return !FrameShows(program); }, kShowsWithinMs);
    std::printf(
        "un-pinned %d ms after the frame showed; the frame gone %d ms after the un-pin\n",
        static_cast<int>(
            std::chrono::duration_cast<std::chrono::milliseconds>(unpinned - shown).count()),
        MsSince(unpinned));
    EXPECT_TRUE(goneSoon);
    Pause(kNextPollMs);

    // A pin whose frame went, then an un-pin: nothing shows for it.
    target.BringToFront();
    EXPECT_TRUE(HoldKeyUntil(VK_F8, [&] { return target.Topmost(); }));
    EXPECT_TRUE(WaitFor([&] { return FrameShows(program); }, kShowsWithinMs));
    EXPECT_TRUE(WaitFor([&] { return !FrameShows(program); }, kGoesWithinMs));
    target.BringToFront();
    EXPECT_TRUE(HoldKeyUntil(VK_F8, [&] { return !target.Topmost(); }));
    EXPECT_TRUE(NoFrameFor(program, 2 * kShowsWithinMs));
}

// Wine makes no window topmost while it owns a hidden topmost pop-up: the
// press leaves it as it was, and no frame says otherwise.
void NoFrameForAWindowThatStaysBehind(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    TargetWindow target;
    const HWND popup =
        ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"Static", L"tip", WS_POPUP, 0, 0, 20,
                          20, target.hwnd(), nullptr, ::GetModuleHandleW(nullptr), nullptr);
    target.BringToFront();
    HoldKeyFor(VK_F8, kThreePollsMs);
    if (target.Topmost()) {
        std::printf("this window system pinned the window all the same: nothing to show\n");
        ::DestroyWindow(popup);
        throw Skipped{};
    }
    EXPECT_TRUE(NoFrameFor(program, 2 * kShowsWithinMs));
    ::DestroyWindow(popup);
}

// Closing the main window while the frame shows ends the program.
void CloseWhileTheFrameShows(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    TargetWindow target;
    EXPECT_TRUE(HoldKeyUntil(VK_F8, [&] { return target.Topmost(); }));
    EXPECT_TRUE(WaitFor([&] { return FrameShows(program); }, kShowsWithinMs));
    program.Close();
    EXPECT_TRUE(!program.Running());
}

}  // namespace

void AddFrameScenarios(Registry& registry) {
    registry["pin_frame"] = ShowsAFrameRoundAPinnedWindow;
    registry["pin_frame_unpin"] = NoFrameOnUnpin;
    registry["pin_frame_refused"] = NoFrameForAWindowThatStaysBehind;
    registry["pin_frame_close"] = CloseWhileTheFrameShows;
}

}  // namespace e2e
