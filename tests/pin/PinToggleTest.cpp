// The timer tick: pin or un-pin the foreground window at each press of the hotkey.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "pin/HotkeyPoll.h"
#include "pin/PinToggle.h"
#include "tests/fakes/FakeDesktop.h"
#include "tests/fakes/FakeHighlight.h"

namespace {

using platform::kExStyleTopmost;

constexpr platform::Handle kEditor = 0x5000;
constexpr platform::Handle kAbout = 0x6000;
constexpr platform::Handle kMainWindow = 0x10010;  // the program's own
constexpr int kF8 = 119;

// The poll as the main window runs it: its own window known, and a hotkey
// chosen (at the start, or in the capture box) forgotten at once.
struct Poll {
    Poll() { poll.SetOwnWindow(kMainWindow); }
    void Choose(int key) {
        poll.SetHotKey(static_cast<std::int16_t>(key));
        poll.Forget();
    }
    int Count(const std::string& prefix) const { return fakes::Count(log, prefix); }

    fakes::CallLog log;
    fakes::FakeDesktop desktop{log};
    fakes::FakeHighlight highlight{desktop};
    pin::HotkeyPoll poll{desktop, highlight};
};

class PinToggleTest : public testing::Test {
  protected:
    PinToggleTest() {
        fake.Choose(kF8);
        fake.log.clear();
        fake.desktop.exStyles[kEditor] = 0x100;  // some unrelated extended style
        fake.desktop.exStyles[kMainWindow] = 0;
        fake.desktop.foreground = kEditor;
    }
    std::string LastSetWindowPos() {
        const auto it = std::find_if(fake.log.rbegin(), fake.log.rend(), [](const std::string& e) {
            return e.rfind("SetWindowPos", 0) == 0;
        });
        return it == fake.log.rend() ? std::string() : *it;
    }
    bool EditorPinned() { return (fake.desktop.exStyles[kEditor] & kExStyleTopmost) != 0; }
    // The hotkey pressed on one tick and let go by the next.
    void PressOnce() {
        fake.desktop.keysDown = {kF8};
        fake.poll.Tick();
        fake.desktop.keysDown.clear();
        fake.poll.Tick();
    }

    Poll fake;
};

// One line of key states, one character a tick, as the tick reads them:
//   _  up          t  up, but it went down since the last tick (a tap)
//   D  down, and went down since the last tick (pressed, or repeating)
//   d  down, held without a repeat since the last tick
enum class Before { Start, Capture };

constexpr int kF9 = 120;

struct Trace {
    const char* what;
    // What the hotkey was doing when the program started, or when the key
    // was chosen in the box ('_' for nothing).
    Before event;
    char before;
    const char* keys;
    // The window in front at each tick, the editor throughout when empty:
    //   e  the editor                  m  the program's own
    //   s  the taskbar                 w  the stand-in of a switch (Alt+Tab let go)
    //   n  nothing in front            l  the lock screen (another desktop; nothing in front)
    //   a  an administrator's window: the keyboard can't be read over it
    //   u  a window whose program can't be asked, but the keyboard can be read over it
    const char* fronts;
    // x where the window in front changes.
    const char* flips;
    // The hotkey: F8, or the key chosen in the box.
    int key = kF8;
};

constexpr Trace kTraces[] = {
    {"a tap between two ticks", Before::Start, '_', "_t__", "", ".x.."},
    {"a press seen by one tick", Before::Start, '_', "_Dt_", "", ".x.."},
    {"a press held with repeats", Before::Start, '_', "_DDDdDDt_", "", ".x......."},
    {"the bit seen on the tick after release", Before::Start, '_', "_Dt__", "", ".x..."},
    {"a press, then a tap", Before::Start, '_', "_D_t_", "", ".x.x."},
    {"two taps, a tick apart", Before::Start, '_', "t_t", "", "x.x"},
    {"taps on consecutive ticks", Before::Start, '_', "ttt", "", "xxx"},
    {"a stale bit at start-up", Before::Start, 't', "__D_", "", "..x."},
    {"a key held through start-up", Before::Start, 'D', "dD__D", "", "....x"},
    {"the press in the capture box", Before::Capture, 't', "__D", "", "..x"},
    {"the press that chose another key in the box", Before::Capture, 't', "__D", "", "..x", kF9},
    {"a press over the program, held into another window", Before::Start, '_', "_DDd_D", "mmeeee",
     ".....x"},
    {"a tap over the program", Before::Start, '_', "_t_t", "mmee", "...x"},
    {"a click into another window and a tap at once", Before::Start, '_', "_t_", "mee", ".x."},
    {"a press over the taskbar, held into another window", Before::Start, '_', "_DD_D", "sseee",
     "....x"},
    // A tap the program can't see flips nothing, whatever the failed reads
    // did with the "pressed since" bit (the fake's keep it, as Windows' may);
    // a key seen down by the first read that works is a press there.
    {"a tap over an administrator's window, then a click into another", Before::Start, '_', "_t__",
     "aaee", "...."},
    {"a press held over an administrator's window into another", Before::Start, '_', "_DDd_",
     "aaeee", "..x.."},
    {"a press begun right after leaving an administrator's window", Before::Start, '_', "_DDd",
     "aeee", ".x.."},
    {"the next window's presses, from the second tick over it", Before::Start, '_', "__t_D_",
     "aeeeee", "..x.x."},
    {"a tap on the lock screen", Before::Start, '_', "_t___", "ellee", "....."},
    {"a tap on the lock screen, locked with nothing in front", Before::Start, '_', "_t__", "nlee",
     "...."},
    {"a press begun right after unlocking", Before::Start, '_', "_Dd", "lee", ".x."},
    // Nothing in front yet: it waits for the window on its way.
    {"a key held from the lock screen until a window is in front", Before::Start, '_', "_Ddd_",
     "elnee", "...x."},
    {"a window whose program can't be asked", Before::Start, '_', "__D_t", "uuuuu", "..x.x"},
    // While the windows change places, a press still held waits for the
    // window on its way; a tap can't wait.
    {"a press held over the stand-in of a switch", Before::Start, '_', "_Dd_", "ewee", "..x."},
    {"a press held with nothing in front", Before::Start, '_', "_Ddd_", "ennee", "...x."},
    {"a tap over the stand-in of a switch", Before::Start, '_', "_t__", "ewee", "...."},
};

// What the keyboard did since the last read: the bit stays until a read
// that works takes it.
void SetKey(fakes::FakeDesktop& desktop, char state, int key = kF8) {
    desktop.keysDown.clear();
    if (state == 'D' || state == 'd') {
        desktop.keysDown = {key};
    }
    if (state == 'D' || state == 't') {
        desktop.keysPressedSince.insert(key);
    }
}

// A press acts once: on the first tick that sees it, down or already let go,
// never again while it is held; and what the key did before the program ran
// or before it was chosen is no press, nor is what it did where the program
// couldn't see it.
TEST(PinTick, EachPressFlipsOnce) {
    constexpr platform::Handle kTaskbar = 0x7000;
    constexpr platform::Handle kStandIn = 0x7100;
    constexpr platform::Handle kAdmins = 0x7200;
    constexpr platform::Handle kUnaskable = 0x7300;
    for (const Trace& trace : kTraces) {
        SCOPED_TRACE(trace.what);
        Poll fake;
        fake.desktop.exStyles = {{kEditor, 0},  {kMainWindow, 0}, {kTaskbar, 8},
                                 {kStandIn, 8}, {kAdmins, 0},     {kUnaskable, 0}};
        fake.desktop.classNames[kTaskbar] = "Shell_TrayWnd";
        fake.desktop.classNames[kStandIn] = "ForegroundStaging";
        fake.desktop.unreadableWindows = {kAdmins};
        fake.desktop.unaskableWindows = {kUnaskable};
        fake.desktop.foreground = kMainWindow;
        if (trace.event == Before::Start) {
            SetKey(fake.desktop, trace.before);
            fake.Choose(kF8);
        } else {
            fake.Choose(kF8);
            SetKey(fake.desktop, trace.before, trace.key);
            fake.Choose(trace.key);
        }
        std::string flips;
        char lastFront = 'm';
        for (std::size_t tick = 0; trace.keys[tick] != '\0'; ++tick) {
            const char front = trace.fronts[0] == '\0' ? 'e' : trace.fronts[tick];
            const std::map<char, platform::Handle> windows = {
                {'e', kEditor}, {'m', kMainWindow}, {'s', kTaskbar}, {'w', kStandIn},
                {'a', kAdmins}, {'u', kUnaskable},  {'n', 0},        {'l', 0}};
            fake.desktop.foreground = windows.at(front);
            fake.desktop.anotherDesktopHasTheInput = front == 'l';
            SetKey(fake.desktop, trace.keys[tick], trace.key);
            const auto styles = fake.desktop.exStyles;
            fake.log.clear();
            fake.poll.Tick();
            const bool flipped = styles != fake.desktop.exStyles;
            flips += flipped ? 'x' : '.';
            // One read a tick: a second would find the bit already taken.  A
            // tick without a press asks nothing more than the window in
            // front, and whether the keyboard can be read over it when that
            // is a new one (or none): not the shell about a game, so shell32
            // stays unloaded.
            EXPECT_EQ(fake.Count("GetAsyncKeyState"), 1) << "tick " << tick;
            EXPECT_EQ(fake.Count("GetForegroundWindow"), 1) << "tick " << tick;
            const int asks = fake.Count("KeysReadableOver");
            const bool newFront = front != lastFront || front == 'n' || front == 'l';
            EXPECT_LE(asks, newFront ? 1 : 0) << "tick " << tick;
            if (front == 'e' && !flipped) {
                EXPECT_EQ(fake.log.size(), 2u + static_cast<std::size_t>(asks)) << "tick " << tick;
            }
            lastFront = front;
        }
        EXPECT_EQ(flips, trace.flips) << trace.keys;
    }
}

// Un-pinning sends the window to the bottom, without activating it: a plain
// z-order change that really drops the topmost state everywhere.  Another
// thread's window is asked without waiting for its thread (0x4000), so a
// busy one can't hold up the program; the program's own About window
// changes at once.
TEST_F(PinToggleTest, KeyDownPinsThenUnpins) {
    const struct {
        platform::Handle window;
        const char* pin;
        const char* unpin;
    } rows[] = {
        {kEditor, "SetWindowPos 5000 -1 flags 4003", "SetWindowPos 5000 1 flags 4013"},
        {kAbout, "SetWindowPos 6000 -1 flags 3", "SetWindowPos 6000 1 flags 13"},
    };
    fake.desktop.exStyles[kAbout] = 0x100;
    fake.desktop.ownThreadWindows = {kMainWindow, kAbout};
    for (const auto& row : rows) {
        fake.desktop.foreground = row.window;
        PressOnce();
        EXPECT_EQ(fake.desktop.exStyles[row.window], 0x108u) << "only the topmost bit changes";
        EXPECT_EQ(fake.poll.TargetWindow(), row.window);
        EXPECT_EQ(LastSetWindowPos(), row.pin);

        PressOnce();
        EXPECT_EQ(fake.desktop.exStyles[row.window], 0x100u);
        EXPECT_EQ(LastSetWindowPos(), row.unpin);
    }
}

// The shell's windows keep their state, topmost or not, when the hotkey is
// pressed over them; every other window is toggled, whatever program it belongs to.
TEST_F(PinToggleTest, TheShellsWindowsAreLeftAlone) {
    constexpr platform::Handle kShell = 0x7000;
    constexpr platform::Handle kDesktop = 0x7100;
    constexpr platform::Handle kOther = 0x7200;
    fake.desktop.shellWindow = kShell;
    fake.desktop.desktopWindow = kDesktop;
    const struct {
        platform::Handle window;
        const char* className;
        std::uint32_t style;
        bool toggled;
    } rows[] = {
        {kShell, "", 0, false},
        {kDesktop, "#32769", 0, false},
        {kOther, "Progman", 0, false},
        {kOther, "WorkerW", 0, false},
        {kOther, "Shell_TrayWnd", kExStyleTopmost, false},
        {kOther, "Shell_SecondaryTrayWnd", kExStyleTopmost, false},
        {kOther, "Windows.UI.Core.CoreWindow", kExStyleTopmost, false},
        {kOther, "MultitaskingViewFrame", 0, false},
        {kOther, "XamlExplorerHostIslandWindow", kExStyleTopmost, false},
        {kOther, "NotifyIconOverflowWindow", kExStyleTopmost, false},
        {kOther, "TopLevelWindowForOverflowXamlIsland", kExStyleTopmost, false},
        {kOther, "TaskSwitcherWnd", kExStyleTopmost, false},
        {kOther, "ForegroundStaging", kExStyleTopmost, false},
        {kOther, "Shell_InputSwitchTopLevelWindow", kExStyleTopmost, false},
        {kOther, "ConsoleWindowClass", 0, true},
        {kOther, "CASCADIA_HOSTING_WINDOW_CLASS", 0, true},
        {kOther, "ApplicationFrameWindow", kExStyleTopmost, true},
        {kOther, "Notepad", 0, true},
        {kOther, "Shell_TrayWndX", 0, true},
        {kOther, "", 0, true},  // a class name that can't be read
    };
    for (const auto& row : rows) {
        fake.desktop.exStyles[row.window] = row.style;
        fake.desktop.classNames[row.window] = row.className;
        fake.desktop.foreground = row.window;
        fake.log.clear();
        PressOnce();
        EXPECT_EQ(fake.Count("SetWindowPos"), row.toggled ? 1 : 0) << row.className;
        EXPECT_EQ(fake.desktop.exStyles[row.window] == row.style, !row.toggled) << row.className;
    }
}

// Only an exclusive full-screen Direct3D program stops the toggle; the shell
// asked only on a tick that finds a press over a window to toggle.
TEST_F(PinToggleTest, AFullScreenGameIsNeverToggled) {
    using platform::NotificationState;
    const struct {
        NotificationState state;
        bool toggled;
    } rows[] = {
        {NotificationState::RunningD3dFullScreen, false},
        {NotificationState::Busy, true},
        {NotificationState::PresentationMode, true},
        {NotificationState::AcceptsNotifications, true},
        {NotificationState::QuietTime, true},
        {NotificationState::App, true},
        {NotificationState::Unknown, true},
    };
    for (const auto& row : rows) {
        fake.desktop.exStyles[kEditor] = kExStyleTopmost;  // the game, or a pinned window
        fake.desktop.notificationState = row.state;
        fake.log.clear();
        PressOnce();
        EXPECT_EQ(fake.Count("UserNotificationState"), 1);
        EXPECT_EQ(fake.Count("SetWindowPos"), row.toggled ? 1 : 0) << static_cast<int>(row.state);
    }
}

TEST_F(PinToggleTest, NeverTogglesItsOwnWindow) {
    fake.desktop.keysDown = {kF8};
    fake.desktop.foreground = kMainWindow;
    fake.poll.Tick();
    EXPECT_EQ(fake.Count("SetWindowPos"), 0);
    EXPECT_EQ(fake.desktop.exStyles[kMainWindow], 0u);
    EXPECT_EQ(fake.poll.TargetWindow(), kMainWindow);
}

// With nothing in front the press changes no window, and the next press over
// a window pins it.
TEST_F(PinToggleTest, NoForegroundWindowIsPassedOnHarmlessly) {
    fake.desktop.foreground = 0;
    const auto styles = fake.desktop.exStyles;
    PressOnce();
    EXPECT_EQ(fake.desktop.exStyles, styles);
    fake.desktop.foreground = kEditor;
    PressOnce();
    EXPECT_TRUE(EditorPinned());
}

TEST_F(PinToggleTest, OtherKeysDoNothing) {
    fake.desktop.keysDown = {65, 16};
    fake.poll.Tick();
    EXPECT_FALSE(EditorPinned());
}

TEST_F(PinToggleTest, ANewHotkeyIsLiveAtTheNextTick) {
    fake.Choose(16);
    fake.desktop.keysDown = {16};
    fake.poll.Tick();
    EXPECT_TRUE(EditorPinned());
}

TEST_F(PinToggleTest, HotKeyZeroNeverToggles) {
    // What a settings file whose first line is no number gives.
    fake.Choose(0);
    fake.desktop.keysDown = {kF8};
    fake.poll.Tick();
    EXPECT_EQ(fake.Count("SetWindowPos"), 0);
}

TEST(IsTopmost, LooksAtTheTopmostBitOnly) {
    fakes::CallLog log;
    fakes::FakeDesktop desktop{log};
    const struct {
        std::uint32_t style;
        bool topmost;
    } cases[] = {{0, false}, {0x8, true}, {0xFFFFFFFF, true}, {0xFFFFFFF7, false}, {0x108, true}};
    for (const auto& c : cases) {
        desktop.exStyles[kEditor] = c.style;
        EXPECT_EQ(pin::IsTopmost(desktop, kEditor), c.topmost) << std::hex << c.style;
    }
}

}  // namespace
