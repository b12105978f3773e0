// The frame that confirms a pin: when it shows and goes, where, and in
// which colour.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "pin/HotkeyPoll.h"
#include "pin/PinFrame.h"
#include "tests/fakes/FakeHighlight.h"
#include "tests/fakes/FakeDesktop.h"

namespace {

using platform::PixelRect;

constexpr platform::Handle kFirst = 0x5000;
constexpr platform::Handle kSecond = 0x5100;
constexpr PixelRect kSecondFrame{700, 200, 900, 300};

// One character a tick, for the window being pinned:
//   press:   P  a press pins the first window   Q  ... the second one
//            U  a press un-pins whichever it is  .  no press
//   window:  T  on top  _  not yet  m  on top but minimised  g  gone
//   frame:   S  shown round the first window  s  ... round the second
//            H  hidden at once  F  faded out  .  nothing
struct Trace {
    const char* what;
    const char* presses;
    const char* window;
    bool animations;
    const char* frame;
};

constexpr Trace kTraces[] = {
    {"on top at the next tick", "P.....", "TTTTTT", false, ".S..H."},
    {"on top a little later", "P.......", "___TTTTT", false, "...S..H."},
    {"on top at the fifth look", "P.........", "_____TTTTT", false, ".....S..H."},
    {"on top only after a second", "P.........", "______TTTT", false, ".........."},
    {"never on top", "P.......", "________", false, "........"},
    {"fades where animations are on", "P.....", "TTTTTT", true, ".S..F."},
    {"un-pinned while the frame shows", "P..U....", "TTT_____", false, ".S.H...."},
    {"un-pinned before it got on top", "P.U.....", "___TTTTT", false, "........"},
    {"an un-pin alone", "U....", "_____", false, "....."},
    {"another window pinned while the frame shows", "P..Q......", "TTTTTTTTTT", false,
     ".S.Hs..H.."},
    {"pinned again after its frame went", "P....U.P....", "TTTTT__TTTTT", false, ".S..H...S..H"},
    {"minimised", "P....", "mmmmm", false, "....."},
    {"gone", "P....", "_gggg", false, "....."},
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

char FrameOfTick(const fakes::FakeHighlight& highlight, std::size_t before) {
    if (highlight.frames.size() == before) {
        return '.';
    }
    const std::string& what = highlight.frames.back();
    if (what == "fade out") {
        return 'F';
    }
    if (what == "hide at once") {
        return 'H';
    }
    return what.rfind("show 696,196,", 0) == 0 ? 's' : 'S';
}

// Shown once the pinned window is on top, for three ticks; looked for on
// five ticks after the press and no longer; never on an un-pin, whose press
// takes a frame that shows away at once.
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
        for (std::size_t tick = 0; trace.presses[tick] != '\0'; ++tick) {
            const std::size_t before = highlight.frames.size();
            const char press = trace.presses[tick];
            if (press == 'P' || press == 'Q') {
                pinned = press == 'P' ? kFirst : kSecond;
                frame.Toggled(pinned, false);
            } else if (press == 'U') {
                frame.Toggled(pinned, true);
            }
            SetWindow(desktop, highlight, pinned, trace.window[tick]);
            frame.Tick();
            shown += FrameOfTick(highlight, before);
        }
        EXPECT_EQ(shown, trace.frame);
    }
}

// Just outside the visible frame, as wide as the monitor's DPI makes four
// pixels at 96 dpi, and inside the monitor.
TEST(PinFrame, FramesTheWindowOnItsMonitor) {
    constexpr PixelRect kScreen{0, 0, 1920, 1080};
    const struct {
        const char* what;
        PixelRect frame;
        PixelRect monitor;
        int dpi;
        std::optional<PixelRect> outer;
        int thickness;
    } rows[] = {
        {"at 96 dpi", {100, 100, 500, 400}, kScreen, 96, PixelRect{96, 96, 504, 404}, 4},
        {"at 120 dpi", {100, 100, 500, 400}, kScreen, 120, PixelRect{95, 95, 505, 405}, 5},
        {"at 144 dpi", {100, 100, 500, 400}, kScreen, 144, PixelRect{94, 94, 506, 406}, 6},
        {"at 192 dpi", {100, 100, 500, 400}, kScreen, 192, PixelRect{92, 92, 508, 408}, 8},
        {"DPI not reported", {100, 100, 500, 400}, kScreen, 0, PixelRect{96, 96, 504, 404}, 4},
        {"maximised", {0, 0, 1920, 1040}, kScreen, 96, PixelRect{0, 0, 1920, 1044}, 4},
        {"maximised, its edges off the screen", {-8, -8, 1928, 1088}, kScreen, 96, kScreen, 4},
        {"partly off the monitor",
         {1800, 900, 2100, 1200},
         kScreen,
         96,
         PixelRect{1796, 896, 1920, 1080},
         4},
        {"on a monitor left of the main one",
         {-1900, 50, -100, 700},
         {-1920, 0, 0, 1080},
         96,
         PixelRect{-1904, 46, -96, 704},
         4},
        {"off its monitor altogether", {2000, 100, 2300, 400}, kScreen, 96, std::nullopt, 4},
        {"touching its monitor's edge only", {1924, 100, 2300, 400}, kScreen, 96, std::nullopt, 4},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        const std::optional<platform::FrameDrawing> drawing =
            pin::FrameFor({true, true, row.frame, row.monitor, row.dpi}, 0x123456);
        ASSERT_EQ(drawing.has_value(), row.outer.has_value());
        if (drawing) {
            EXPECT_EQ(drawing->outer, *row.outer);
            EXPECT_EQ(drawing->thickness, row.thickness);
            EXPECT_EQ(drawing->colour, 0x123456u);
        }
    }
    EXPECT_FALSE(pin::FrameFor({true, false, {100, 100, 500, 400}, kScreen, 96}, 0));
}

// The accent colour, made opaque, where the system composes the screen; the
// selection colour where it doesn't, and in high contrast.
TEST(PinFrame, TakesTheAccentColourUnlessInHighContrast) {
    const struct {
        bool highContrast;
        std::optional<std::uint32_t> colorization;
        std::uint32_t colour;
    } rows[] = {
        {false, 0xC40078D7, 0xD77800},  {false, 0x00112233, 0x332211},
        {false, 0xFFFFFFFF, 0xFFFFFF},  {false, std::nullopt, 0x00FF8000},
        {true, 0xC40078D7, 0x00FF8000}, {true, std::nullopt, 0x00FF8000},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(pin::FrameColour({row.highContrast, row.colorization, 0x00FF8000}), row.colour)
            << std::hex << row.colorization.value_or(0) << " high contrast " << row.highContrast;
    }
}

// Through the poll: a press that pins shows the frame on the next tick; a
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
        }
        std::string frames;
        for (const std::string& f : highlight.frames) {
            frames += (frames.empty() ? "" : "|") + f;
        }
        EXPECT_EQ(frames, row.frames);
    }
}

}  // namespace
