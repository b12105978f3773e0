// The frame that confirms a pin: when it shows and goes, where, and in
// which colour.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "pin/HotkeyPoll.h"
#include "pin/PinFrame.h"
#include "tests/fakes/FakeHighlight.h"
#include "tests/fakes/FakeDesktop.h"

namespace {

using platform::PixelRect;

constexpr platform::Handle kFirst = 0x5000;
constexpr platform::Handle kSecond = 0x5100;
constexpr PixelRect kSecondFrame{700, 200, 900, 300};

// One column a step: the press, if any, then the window's state, then the
// frame's own timer goes off, if it is set.
//   press:   P  a press pins the first window   Q  ... the second one
//            U  a press un-pins whichever it is  .  no press
//   window:  T  on top  _  not yet  m  on top but minimised  g  gone
//   frame, a word a column:  S  shown round the first window  s  ... round
//            the second  H  hidden at once  F  faded out  .  nothing
struct Trace {
    const char* what;
    const char* presses;
    const char* window;
    bool animations;
    const char* frame;
};

constexpr Trace kTraces[] = {
    {"on top at the first look", "P..", "TTT", false, "S H ."},
    {"on top at the fourth look", "P.....", "___TTT", false, ". . . S H ."},
    {"fades where animations are on", "P..", "TTT", true, "S F ."},
    {"un-pinned while the frame shows", "PU..", "TT__", false, "S H . ."},
    {"un-pinned before it got on top", "P.U..", "___TT", false, ". . . . ."},
    {"an un-pin alone", "U..", "___", false, ". . ."},
    {"another window pinned while the frame shows", "PQ..", "TTTT", false, "S Hs H ."},
    {"pinned again after its frame went", "P..U.P..", "TTT__TTT", false, "S H . . . S H ."},
    {"minimised", "P..", "mmm", false, ". . ."},
    {"gone", "P..", "_gg", false, ". . ."},
};

void SetWindow(fakes::FakeDesktop& desktop, fakes::FakeHighlight& highlight,
               platform::Handle window, char state) {
    desktop.exStyles.erase(window);
    if (state == 'g') {
        return;
    }
    desktop.exStyles[window] = (state == '_') ? 0 : platform::kExStyleTopmost;
    highlight.places[window].shown = state != 'm';
}

std::string FramesSince(const fakes::FakeHighlight& highlight, std::size_t before) {
    std::string events;
    for (std::size_t i = before; i < highlight.frames.size(); ++i) {
        const std::string& what = highlight.frames[i];
        events += what == "fade out"                    ? 'F'
                  : what == "hide at once"              ? 'H'
                  : what.rfind("show 696,196,", 0) == 0 ? 's'
                                                        : 'S';
    }
    return events.empty() ? "." : events;
}

// The frame's own timer, gone off if it is set: the ms it was set to, or 0.
unsigned WakeIfDue(fakes::FakeHighlight& highlight, pin::PinFrame& frame) {
    const unsigned ms = std::exchange(highlight.wakeMs, 0U);
    if (ms != 0) {
        frame.Wake();
    }
    return ms;
}

// Shown at the first look that finds the pinned window on top; never on an
// un-pin, whose press takes a frame that shows away at once.
TEST(PinFrame, ShowsOnceAPinnedWindowIsOnTop) {
    for (const Trace& trace : kTraces) {
        SCOPED_TRACE(trace.what);
        fakes::CallLog log;
        fakes::FakeDesktop desktop{log};
        fakes::FakeHighlight highlight{desktop};
        highlight.places[kFirst] = fakes::FakeHighlight::kPlace;
        highlight.places[kSecond] = fakes::FakeHighlight::kPlace;
        highlight.places[kSecond].frame = kSecondFrame;
        highlight.animations = trace.animations;
        pin::PinFrame frame{highlight};
        platform::Handle pinned = kFirst;
        std::string shown;
        for (std::size_t step = 0; trace.presses[step] != '\0'; ++step) {
            const std::size_t before = highlight.frames.size();
            const char press = trace.presses[step];
            if (press == 'P' || press == 'Q') {
                pinned = press == 'P' ? kFirst : kSecond;
                frame.Toggled(pinned, false);
            } else if (press == 'U') {
                frame.Toggled(pinned, true);
            }
            SetWindow(desktop, highlight, pinned, trace.window[step]);
            WakeIfDue(highlight, frame);
            shown += (shown.empty() ? "" : " ") + FramesSince(highlight, before);
        }
        EXPECT_EQ(shown, trace.frame);
    }
}

// A window that gets on top within about a second of the press is framed at
// the next look, tens of milliseconds later; one that takes longer is not.
// The frame then shows for about 0.6 s.
TEST(PinFrame, LooksForAboutASecond) {
    for (const int onTopAtLook : {pin::kFrameLooks, pin::kFrameLooks + 1}) {
        fakes::CallLog log;
        fakes::FakeDesktop desktop{log};
        fakes::FakeHighlight highlight{desktop};
        highlight.places[kFirst] = fakes::FakeHighlight::kPlace;
        pin::PinFrame frame{highlight};
        frame.Toggled(kFirst, false);
        unsigned elapsedMs = 0;
        for (int look = 1; highlight.frames.empty() && highlight.wakeMs != 0; ++look) {
            EXPECT_LE(highlight.wakeMs, 50U);
            SetWindow(desktop, highlight, kFirst, look == onTopAtLook ? 'T' : '_');
            elapsedMs += WakeIfDue(highlight, frame);
        }
        EXPECT_NEAR(elapsedMs, 1000, 100);
        const bool shown = onTopAtLook <= pin::kFrameLooks;
        ASSERT_EQ(highlight.frames.size(), shown ? 1U : 0U) << "on top at look " << onTopAtLook;
        EXPECT_NEAR(WakeIfDue(highlight, frame), shown ? 600 : 0, 100);
    }
}

// Four pixels at 96 dpi, at the window's DPI.
TEST(PinFrame, IsAsThickAsTheDpiMakesFourPixels) {
    const int rows[][2] = {{96, 4}, {120, 5}, {144, 6}, {192, 8}, {0, 4}};  // dpi, thickness
    for (const auto& [dpi, thickness] : rows) {
        EXPECT_EQ(pin::FrameThickness(dpi), thickness) << dpi << " dpi";
    }
}

// Just outside the visible frame, on every monitor the window lies on; but a
// maximised window's band stays on its own monitor.
TEST(PinFrame, FramesTheWindowOnEveryMonitorItTouches) {
    using R = PixelRect;
    constexpr R kLeft{0, 0, 1920, 1080};
    constexpr R kRight{1920, 0, 3840, 1080};
    constexpr R kBoth{0, 0, 3840, 1080};
    constexpr R kFarLeft{-1920, 0, 0, 1080};
    constexpr R kWide{-1920, 0, 1920, 1080};  // kFarLeft and kLeft
    const struct {
        const char* what;
        R frame, monitor, screen;
        bool maximised;
        std::optional<R> outer;
    } rows[] = {
        {"on its monitor", {100, 100, 500, 400}, kLeft, kLeft, false, R{96, 96, 504, 404}},
        {"maximised", {0, 0, 1920, 1040}, kLeft, kLeft, true, R{0, 0, 1920, 1044}},
        {"maximised, edges off it", {-8, -8, 1928, 1088}, kLeft, kLeft, true, kLeft},
        {"partly off", {1800, 900, 2100, 1200}, kLeft, kLeft, false, R{1796, 896, 1920, 1080}},
        {"across two", {1800, 100, 2200, 400}, kLeft, kBoth, false, R{1796, 96, 2204, 404}},
        {"on the right one's edge",
         {1920, 9, 2300, 99},
         kRight,
         kBoth,
         false,
         R{1916, 5, 2304, 103}},
        {"maximised, right", {1920, 0, 3840, 1040}, kRight, kBoth, true, R{1920, 0, 3840, 1044}},
        {"left of the main",
         {-1900, 50, -100, 700},
         kFarLeft,
         kWide,
         false,
         R{-1904, 46, -96, 704}},
        {"off every monitor", {4000, 100, 4300, 400}, kRight, kBoth, false, std::nullopt},
        {"touching an edge only", {3844, 100, 4300, 400}, kRight, kBoth, false, std::nullopt},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        platform::WindowOnScreen window = fakes::FakeHighlight::kPlace;
        window.maximised = row.maximised;
        window.frame = row.frame;
        window.monitor = row.monitor;
        window.screen = row.screen;
        const std::optional<platform::FrameDrawing> drawing = pin::FrameFor(window, 0x123456);
        EXPECT_EQ(drawing ? std::optional<R>(drawing->outer) : std::nullopt, row.outer);
    }
    platform::WindowOnScreen hidden = fakes::FakeHighlight::kPlace;
    hidden.shown = false;
    EXPECT_FALSE(pin::FrameFor(hidden, 0));
}

// The band follows Windows 11's round corners, but not where Windows keeps
// them square: a maximised or snapped window.
TEST(PinFrame, RoundsItsCornersLikeTheWindows) {
    using platform::Corners;
    const struct {
        const char* what;
        Corners corners;
        PixelRect frame;
        bool maximised;
        int dpi;
        int radius;
    } rows[] = {
        {"square corners", Corners::DoNotRound, {100, 100, 500, 400}, false, 96, 0},
        {"round", Corners::Round, {100, 100, 500, 400}, false, 96, 8},
        {"round at 144 dpi", Corners::Round, {100, 100, 500, 400}, false, 144, 12},
        {"small round ones", Corners::RoundSmall, {100, 100, 500, 400}, false, 96, 4},
        {"at the top of the screen", Corners::Round, {100, 0, 500, 400}, false, 96, 8},
        {"maximised", Corners::Round, {0, 0, 1920, 1040}, true, 96, 0},
        {"snapped to the left half", Corners::Round, {0, 0, 960, 1040}, false, 96, 0},
        {"snapped to a corner", Corners::Round, {960, 520, 1920, 1040}, false, 96, 0},
        {"snapped to the middle column", Corners::Round, {640, 0, 1280, 1040}, false, 96, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        platform::WindowOnScreen window = fakes::FakeHighlight::kPlace;  // work area 1920 x 1040
        window.corners = row.corners;
        window.frame = row.frame;
        window.maximised = row.maximised;
        window.dpi = row.dpi;
        const std::optional<platform::FrameDrawing> drawing = pin::FrameFor(window, 0);
        ASSERT_TRUE(drawing);
        EXPECT_EQ(drawing->radius, row.radius);
    }
}

// The accent colour Settings shows, else the glass colour, made opaque; the
// selection colour without either, in high contrast, and where the colour
// would be lost against a dark or a light window.
TEST(PinFrame, TakesTheAccentColourWhereItCanBeSeen) {
    constexpr std::uint32_t kSelection = 0x00FF8000;
    const struct {
        const char* what;
        bool highContrast;
        std::optional<std::uint32_t> accent;        // 0xAABBGGRR
        std::optional<std::uint32_t> colorization;  // 0xAARRGGBB
        std::uint32_t colour;                       // 0x00BBGGRR
    } rows[] = {
        {"the accent", false, 0xFFD77800, std::nullopt, 0xD77800},
        {"the accent before the glass", false, 0xFF2311E8, 0xC40078D7, 0x2311E8},
        {"the glass without an accent", false, std::nullopt, 0xC40078D7, 0xD77800},
        {"neither", false, std::nullopt, std::nullopt, kSelection},
        {"high contrast", true, 0xFFD77800, 0xC40078D7, kSelection},
        {"an accent near black", false, 0xFF1A1A1A, 0xC40078D7, kSelection},
        {"an accent near white", false, 0xFFF0F0F0, std::nullopt, kSelection},
        {"a pale yellow accent", false, 0xFF80FFFF, std::nullopt, kSelection},
        {"a yellow accent", false, 0xFF00B9FF, std::nullopt, 0x00B9FF},
        {"a dark grey accent, still seen", false, 0xFF303030, std::nullopt, 0x303030},
        {"glass near black", false, std::nullopt, 0x80101010, kSelection},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        EXPECT_EQ(pin::FrameColour({row.highContrast, row.accent, row.colorization, kSelection}),
                  row.colour);
    }
}

// Through the poll: a press that pins shows the frame after the toggle; a
// press that un-pins, or one left alone, shows none.
TEST(PinFrame, FollowsThePressesOfThePoll) {
    constexpr int kF8 = 119;
    constexpr platform::Handle kOwnWindow = 0x10010;
    constexpr platform::Handle kTaskbar = 0x7000;
    const struct {
        const char* what;
        platform::Handle front;
        std::uint32_t style;
        platform::NotificationState state;
        const char* frames;
    } rows[] = {
        {"pinned", kFirst, 0, platform::NotificationState::AcceptsNotifications,
         "show 96,96,504,404 4 d77800|hide at once"},
        {"un-pinned", kFirst, platform::kExStyleTopmost,
         platform::NotificationState::AcceptsNotifications, ""},
        {"the program's own window", kOwnWindow, 0,
         platform::NotificationState::AcceptsNotifications, ""},
        {"the taskbar", kTaskbar, platform::kExStyleTopmost,
         platform::NotificationState::AcceptsNotifications, ""},
        {"over a full-screen game", kFirst, platform::kExStyleTopmost,
         platform::NotificationState::RunningD3dFullScreen, ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        fakes::CallLog log;
        fakes::FakeDesktop desktop{log};
        fakes::FakeHighlight highlight{desktop};
        pin::HotkeyPoll poll{desktop, highlight};
        poll.SetOwnWindow(kOwnWindow);
        poll.SetHotKey(kF8);
        poll.Forget();
        desktop.exStyles = {{row.front, row.style}, {kTaskbar, platform::kExStyleTopmost}};
        desktop.classNames[kTaskbar] = "Shell_TrayWnd";
        desktop.notificationState = row.state;
        desktop.foreground = row.front;
        desktop.keysDown = {kF8};
        poll.Tick();
        EXPECT_TRUE(highlight.frames.empty()) << "the toggle's own tick draws nothing";
        desktop.keysDown.clear();
        for (int tick = 0; tick < 8; ++tick) {
            poll.Tick();
            if (std::exchange(highlight.wakeMs, 0U) != 0) {
                poll.WakeFrame();
            }
        }
        std::string frames;
        for (const std::string& f : highlight.frames) {
            frames += (frames.empty() ? "" : "|") + f;
        }
        EXPECT_EQ(frames, row.frames);
    }
}

}  // namespace
