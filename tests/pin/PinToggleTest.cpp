// The timer tick: pin or un-pin the foreground window while the hotkey is down.
#include <gtest/gtest.h>

#include "app/frmPos.h"
#include "pin/PinToggle.h"
#include "tests/fakes/FakeDesktop.h"
#include "tests/fakes/FakePlatform.h"

namespace {

using fakes::FakePlatform;
using fakes::FakeWindow;
using platform::kExStyleTopmost;

constexpr platform::Handle kEditor = 0x5000;
constexpr int kF8 = 119;

class PinToggleTest : public testing::Test {
  protected:
    PinToggleTest() {
        ws.Connect(form);
        form.Form_Load();  // no settings file: F8
        ws.log.clear();
        ws.desktop.exStyles[kEditor] = 0x100;  // some unrelated extended style
        ws.desktop.exStyles[FakeWindow::kMainWindow] = 0;
        ws.desktop.foreground = kEditor;
    }
    bool EditorPinned() { return (ws.desktop.exStyles[kEditor] & kExStyleTopmost) != 0; }

    FakePlatform ws;
    app::frmPos form{ws.Roles()};
};

// Up, or only tapped between two ticks (the "pressed since" bit, which
// other programs share anyway): nothing toggles.
TEST_F(PinToggleTest, AKeyThatIsNotDownNowTogglesNothing) {
    for (const bool tappedBefore : {false, true}) {
        if (tappedBefore) {
            ws.desktop.keysPressedBefore = {kF8};
        }
        form.Timer1_Timer();
        EXPECT_FALSE(EditorPinned()) << tappedBefore;
        EXPECT_EQ(form.TargetWindow(), 0u);
    }
}

TEST_F(PinToggleTest, KeyDownPinsThenUnpins) {
    ws.desktop.keysDown = {kF8};
    form.Timer1_Timer();
    EXPECT_TRUE(EditorPinned());
    EXPECT_EQ(form.TargetWindow(), kEditor);
    EXPECT_EQ(ws.log.back(), "SetWindowPos 5000 -1 flags 3");
    EXPECT_EQ(ws.desktop.exStyles[kEditor], 0x108u) << "only the topmost bit changes";

    form.Timer1_Timer();
    EXPECT_FALSE(EditorPinned());
    // Un-pinning sends the window to the bottom, without activating it: a
    // plain z-order change that really drops the topmost state everywhere.
    EXPECT_EQ(ws.log.back(), "SetWindowPos 5000 1 flags 13");
}

TEST_F(PinToggleTest, HeldKeyFlipsOncePerTick) {
    ws.desktop.keysDown = {kF8};
    for (int tick = 1; tick <= 5; ++tick) {
        form.Timer1_Timer();
        EXPECT_EQ(EditorPinned(), tick % 2 == 1) << "tick " << tick;
    }
}

TEST_F(PinToggleTest, NeverTogglesItsOwnWindow) {
    ws.desktop.keysDown = {kF8};
    ws.desktop.foreground = FakeWindow::kMainWindow;
    form.Timer1_Timer();
    EXPECT_EQ(ws.Count("SetWindowPos"), 0);
    EXPECT_EQ(ws.desktop.exStyles[FakeWindow::kMainWindow], 0u);
    EXPECT_EQ(form.TargetWindow(), FakeWindow::kMainWindow);
}

TEST_F(PinToggleTest, NoForegroundWindowIsPassedOnHarmlessly) {
    ws.desktop.keysDown = {kF8};
    ws.desktop.foreground = 0;
    form.Timer1_Timer();
    EXPECT_EQ(ws.log.back(), "SetWindowPos 0 -1 flags 3");
    form.Timer1_Timer();  // and the next tick still works
    EXPECT_EQ(ws.Count("GetAsyncKeyState"), 2);
}

TEST_F(PinToggleTest, OtherKeysDoNothing) {
    ws.desktop.keysDown = {65, 16};
    form.Timer1_Timer();
    EXPECT_FALSE(EditorPinned());
}

TEST_F(PinToggleTest, ANewHotkeyIsLiveAtTheNextTick) {
    std::int16_t shift = 16;
    form.Text1_KeyUp(shift, 0);
    ws.desktop.keysDown = {16};
    form.Timer1_Timer();
    EXPECT_TRUE(EditorPinned());
}

TEST_F(PinToggleTest, HotKeyZeroNeverToggles) {
    FakePlatform fresh;
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
