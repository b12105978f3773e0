// The timer tick: pin or un-pin the foreground window while the hotkey is down.
#include <gtest/gtest.h>

#include "app/frmPos.h"
#include "pin/PinToggle.h"
#include "tests/fakes/FakeDesktop.h"
#include "tests/fakes/FakeRoles.h"

namespace {

using fakes::FakeRoles;
using fakes::FakeWindow;
using platform::kExStyleTopmost;

constexpr platform::Handle kEditor = 0x5000;
constexpr platform::Handle kAbout = 0x6000;
constexpr int kF8 = 119;

class PinToggleTest : public testing::Test {
  protected:
    PinToggleTest() {
        fake.Connect(form);
        form.Form_Load();  // no settings file: F8
        fake.log.clear();
        fake.desktop.exStyles[kEditor] = 0x100;  // some unrelated extended style
        fake.desktop.exStyles[FakeWindow::kMainWindow] = 0;
        fake.desktop.foreground = kEditor;
    }
    bool EditorPinned() { return (fake.desktop.exStyles[kEditor] & kExStyleTopmost) != 0; }

    FakeRoles fake;
    app::frmPos form{fake.Roles()};
};

// Up, or only tapped between two ticks (the "pressed since" bit, which
// other programs share anyway): nothing toggles.
TEST_F(PinToggleTest, AKeyThatIsNotDownNowTogglesNothing) {
    for (const bool tappedBefore : {false, true}) {
        if (tappedBefore) {
            fake.desktop.keysPressedBefore = {kF8};
        }
        form.Timer1_Timer();
        EXPECT_FALSE(EditorPinned()) << tappedBefore;
        EXPECT_EQ(form.TargetWindow(), 0u);
    }
    // Not even the shell is asked about a game: shell32 stays unloaded.
    EXPECT_EQ(fake.log, std::vector<std::string>(2, "GetAsyncKeyState 119"));
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
    fake.desktop.ownThreadWindows = {FakeWindow::kMainWindow, kAbout};
    fake.desktop.keysDown = {kF8};
    for (const auto& row : rows) {
        fake.desktop.foreground = row.window;
        form.Timer1_Timer();
        EXPECT_EQ(fake.desktop.exStyles[row.window], 0x108u) << "only the topmost bit changes";
        EXPECT_EQ(form.TargetWindow(), row.window);
        EXPECT_EQ(fake.log.back(), row.pin);

        form.Timer1_Timer();
        EXPECT_EQ(fake.desktop.exStyles[row.window], 0x100u);
        EXPECT_EQ(fake.log.back(), row.unpin);
    }
}

// The shell's windows keep their state, topmost or not, while the hotkey is
// held; every other window is toggled, whatever program it belongs to.
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
    fake.desktop.keysDown = {kF8};
    for (const auto& row : rows) {
        fake.desktop.exStyles[row.window] = row.style;
        fake.desktop.classNames[row.window] = row.className;
        fake.desktop.foreground = row.window;
        fake.log.clear();
        for (int tick = 0; tick < 3; ++tick) {
            form.Timer1_Timer();
        }
        EXPECT_EQ(fake.Count("SetWindowPos"), row.toggled ? 3 : 0) << row.className;
        EXPECT_EQ(fake.desktop.exStyles[row.window] == row.style, !row.toggled) << row.className;
    }
}

// Only an exclusive full-screen Direct3D program stops the toggle; the shell
// asked only on a tick that finds the key down over a window to toggle.
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
    fake.desktop.keysDown = {kF8};
    for (const auto& row : rows) {
        fake.desktop.exStyles[kEditor] = kExStyleTopmost;  // the game, or a pinned window
        fake.desktop.notificationState = row.state;
        fake.log.clear();
        form.Timer1_Timer();
        EXPECT_EQ(fake.Count("UserNotificationState"), 1);
        EXPECT_EQ(fake.Count("SetWindowPos"), row.toggled ? 1 : 0) << static_cast<int>(row.state);
    }
}

TEST_F(PinToggleTest, HeldKeyFlipsOncePerTick) {
    fake.desktop.keysDown = {kF8};
    for (int tick = 1; tick <= 5; ++tick) {
        form.Timer1_Timer();
        EXPECT_EQ(EditorPinned(), tick % 2 == 1) << "tick " << tick;
    }
}

TEST_F(PinToggleTest, NeverTogglesItsOwnWindow) {
    fake.desktop.keysDown = {kF8};
    fake.desktop.foreground = FakeWindow::kMainWindow;
    form.Timer1_Timer();
    EXPECT_EQ(fake.Count("SetWindowPos"), 0);
    EXPECT_EQ(fake.desktop.exStyles[FakeWindow::kMainWindow], 0u);
    EXPECT_EQ(form.TargetWindow(), FakeWindow::kMainWindow);
}

TEST_F(PinToggleTest, NoForegroundWindowIsPassedOnHarmlessly) {
    fake.desktop.keysDown = {kF8};
    fake.desktop.foreground = 0;
    form.Timer1_Timer();
    EXPECT_EQ(fake.log.back(), "SetWindowPos 0 -1 flags 3");
    form.Timer1_Timer();  // and the next tick still works
    EXPECT_EQ(fake.Count("GetAsyncKeyState"), 2);
}

TEST_F(PinToggleTest, OtherKeysDoNothing) {
    fake.desktop.keysDown = {65, 16};
    form.Timer1_Timer();
    EXPECT_FALSE(EditorPinned());
}

TEST_F(PinToggleTest, ANewHotkeyIsLiveAtTheNextTick) {
    std::int16_t shift = 16;
    form.Text1_KeyUp(shift, 0);
    fake.desktop.keysDown = {16};
    form.Timer1_Timer();
    EXPECT_TRUE(EditorPinned());
}

TEST_F(PinToggleTest, HotKeyZeroNeverToggles) {
    FakeRoles fresh;
    app::frmPos f(fresh.Roles());
    fresh.files.WriteConfig("abc\r\n0\r\n");
    f.Form_Load();
    ASSERT_EQ(f.HotKey(), 0);
    fresh.desktop.keysDown = {kF8};
    fresh.desktop.foreground = kEditor;
    f.Timer1_Timer();
    EXPECT_EQ(fresh.Count("SetWindowPos"), 0);
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
