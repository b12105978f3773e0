// Minimising to the notification area and coming back.
#include <gtest/gtest.h>

#include <string>

#include "app/Facts.h"
#include "app/MainForm.h"
#include "app/frmPos.h"
#include "tray/TrayIcon.h"
#include "tests/fakes/FakeRoles.h"

namespace {

using fakes::FakeRoles;
using fakes::FakeTray;
using fakes::FakeWindow;
using platform::Control;
using platform::MouseMove;
using platform::WindowState;

constexpr std::uint32_t kLButtonDown = 0x0201;
constexpr int kTicksInAMinute = 60 * 1000 / static_cast<int>(app::facts::kPollMilliseconds);

// As the shell sends it: the icon's id, and the mouse message where a
// pointer move has its coordinates.
MouseMove TrayNotification(std::uint32_t message) {
    MouseMove e;
    e.wParam = tray::kIconId;
    e.lParam = message;
    return e;
}

// The pointer at pixel (x, 0) of the window at 96 dpi, with buttons held.
MouseMove PointerAt(int x, std::uintptr_t buttons) {
    MouseMove e;
    e.wParam = buttons;
    e.lParam = static_cast<std::uintptr_t>(x);
    return e;
}

class TrayTest : public testing::Test {
  protected:
    TrayTest() {
        fake.Connect(form);
        form.Form_Load();
        fake.log.clear();
    }
    void Ticks(int count) {
        for (int tick = 0; tick < count; ++tick) {
            form.Timer1_Timer();
        }
    }
    // The image the shell shows for the program's icon, 0 for none.
    platform::IconHandle ShownImage() const {
        const auto shown = fake.tray.trayIcons.find({FakeWindow::kMainWindow, 1});
        return shown == fake.tray.trayIcons.end() ? platform::IconHandle{} : shown->second;
    }
    FakeRoles fake;
    app::frmPos form{fake.Roles()};
};

TEST_F(TrayTest, TrayButtonHidesTheWindowBehindAnIcon) {
    form.cmdMini_Click();
    EXPECT_EQ(fake.window.GetWindowState(), WindowState::Minimised);
    EXPECT_FALSE(fake.window.IsVisible());
    EXPECT_EQ(fake.tray.trayIcons.size(), 1u);
}

TEST_F(TrayTest, OnlyTheMinimisedStateGoesToTheTray) {
    for (WindowState state : {WindowState::Maximised, WindowState::Normal}) {
        fake.window.SetWindowState(state);
        EXPECT_TRUE(fake.tray.trayAdds.empty());
        EXPECT_TRUE(fake.window.IsVisible());
    }
}

TEST_F(TrayTest, TheRecord) {
    form.cmdMini_Click();
    const platform::TrayRecord& r = fake.tray.trayAdds.at(0);
    EXPECT_EQ(r.hWnd, FakeWindow::kMainWindow);
    EXPECT_EQ(r.hIcon, FakeWindow::kFirstTrayIcon) << "the icon made for it";
    EXPECT_EQ(r.uFlags, 7u);
    EXPECT_EQ(r.uCallbackMessage, 0x200u);
    // The product's name in UTF-16, whatever the code page; a NUL, then
    // blanks up to the 64th character.
    const std::u16string name = u"Orvane置顶工具";
    const std::u16string expected = name + u'\0' + std::u16string(64 - name.size() - 1, u' ');
    EXPECT_EQ(std::u16string(r.szTip.data(), r.szTip.size()), expected);
}

// Each minimise adds a fresh icon; the shell knows it by the same id, 1,
// whatever its image, so the user's choice for it holds from run to run.
TEST_F(TrayTest, EveryMinimiseAddsAFreshIconOfTheSameId) {
    for (int i = 0; i < 3; ++i) {
        form.cmdMini_Click();
        form.Form_MouseMove(TrayNotification(kLButtonDown));
    }
    ASSERT_EQ(fake.tray.trayAdds.size(), 3u);
    EXPECT_EQ(fake.tray.trayDeletes.size(), 3u);
    for (const platform::TrayRecord& add : fake.tray.trayAdds) {
        EXPECT_EQ(add.uID, 1u);
    }
    EXPECT_NE(fake.tray.trayAdds[1].hIcon, fake.tray.trayAdds[0].hIcon);
}

TEST_F(TrayTest, LeftButtonDownOnTheIconRestores) {
    form.cmdMini_Click();
    fake.log.clear();
    form.Form_MouseMove(TrayNotification(kLButtonDown));
    EXPECT_EQ(fake.window.GetWindowState(), WindowState::Normal);
    EXPECT_TRUE(fake.window.IsVisible());
    EXPECT_TRUE(fake.window.mainFocused);
    EXPECT_TRUE(fake.tray.trayIcons.empty()) << "the icon goes at once";
}

TEST_F(TrayTest, OtherNotificationsDoNothing) {
    form.cmdMini_Click();
    fake.log.clear();
    // Pointer move; left button up and double click; right button down, up
    // and double click.
    for (std::uint32_t m : {0x200u, 0x202u, 0x203u, 0x204u, 0x205u, 0x206u}) {
        form.Form_MouseMove(TrayNotification(m));
    }
    EXPECT_TRUE(fake.log.empty());
    EXPECT_FALSE(fake.window.IsVisible());
}

TEST_F(TrayTest, NotificationOnANormalWindowDoesNothing) {
    form.Form_MouseMove(TrayNotification(kLButtonDown));
    EXPECT_TRUE(fake.log.empty());
}

TEST_F(TrayTest, PointerMovementNeverRestores) {
    // Where a coordinate test would have mistaken these for the left button
    // (pixel 1, 257, 513 at 96 dpi; the notification at 120 dpi), nothing
    // happens, with or without buttons held.  (The left button alone held
    // at (513, 0) would read as the icon's: a hidden window gets no pointer
    // moves, so it never comes.)
    form.cmdMini_Click();
    fake.log.clear();
    for (int x : {1, 257, 513, 0x201}) {
        for (std::uintptr_t buttons : {0x0, 0x2, 0x3, 0x11}) {
            form.Form_MouseMove(PointerAt(x, buttons));
        }
    }
    EXPECT_TRUE(fake.log.empty());
    EXPECT_FALSE(fake.window.IsVisible());
}

// The shell timed out on the add but shows the icon: the icon brings the
// window back, and the shell isn't sent a failing add every second.
TEST_F(TrayTest, AnIconTheShellDidNotConfirmStillRestores) {
    fake.tray.shell = FakeTray::Shell::TimesOut;
    form.cmdMini_Click();
    Ticks(kTicksInAMinute);
    EXPECT_EQ(fake.tray.trayAdds.size(), 2u) << "the add, and one try that finds the icon there";
    form.Form_MouseMove(TrayNotification(kLButtonDown));
    EXPECT_TRUE(fake.window.IsVisible());
    EXPECT_TRUE(fake.tray.trayIcons.empty());
}

// Gone to the tray a minute before the shell was up: the icon comes once it
// is, and exactly one; the tries until then were one a second.
TEST_F(TrayTest, AnIconTheShellWasNotReadyForComesLater) {
    fake.tray.shell = FakeTray::Shell::NotReady;
    form.cmdMini_Click();
    Ticks(kTicksInAMinute);
    EXPECT_TRUE(fake.tray.trayIcons.empty());
    EXPECT_EQ(fake.tray.trayAdds.size(), 61u);
    fake.tray.shell = FakeTray::Shell::Ready;
    Ticks(100);
    EXPECT_EQ(fake.tray.trayIcons.size(), 1u);
    const std::size_t adds = fake.tray.trayAdds.size();
    fake.tray.trayIcons.clear();  // the shell started again and lost it
    form.TaskbarCreated();
    Ticks(100);
    EXPECT_EQ(fake.tray.trayAdds.size(), adds + 1);
    EXPECT_EQ(fake.tray.trayIcons.size(), 1u);
    form.Form_MouseMove(TrayNotification(kLButtonDown));
    EXPECT_TRUE(fake.window.IsVisible());
}

TEST_F(TrayTest, ClosingFromTheTrayDeletesTheIcon) {
    form.cmdMini_Click();
    form.Form_Unload();
    ASSERT_EQ(fake.tray.trayDeletes.size(), 1u);
    EXPECT_EQ(fake.tray.trayDeletes[0].uID, fake.tray.trayAdds.at(0).uID);
    EXPECT_TRUE(fake.tray.trayIcons.empty());
}

// A new taskbar gets an icon made for it, at the size the shell asks for
// now: after Explorer's restart, and when Explorer announces the taskbar
// afresh at a new DPI while it still shows the icon (the add then fails and
// the next try changes the shown icon).  A shown window has none to give.
TEST_F(TrayTest, ANewTaskbarGetsAnIconMadeForItWhileHidden) {
    form.TaskbarCreated();
    EXPECT_TRUE(fake.tray.trayAdds.empty()) << "a shown window has no icon to restore";
    form.cmdMini_Click();
    const platform::IconHandle first = ShownImage();

    fake.tray.trayIcons.clear();  // Explorer restarted
    form.TaskbarCreated();
    const platform::IconHandle second = ShownImage();
    EXPECT_NE(second, platform::IconHandle{});
    EXPECT_NE(second, first);

    form.TaskbarCreated();  // a new DPI: the icon is still there
    Ticks(kTicksInAMinute);
    EXPECT_NE(ShownImage(), second);
    EXPECT_EQ(ShownImage(), fake.tray.trayAdds.back().hIcon);
    EXPECT_EQ(fake.tray.trayIcons.size(), 1u);
    EXPECT_EQ(fake.tray.trayAdds.size(), 4u) << "the announcement's add and one more try";
}

// Another start of the program: a window in the tray comes back as from its
// icon; a shown one comes to the front, and nothing else changes.
TEST_F(TrayTest, AnotherStartBringsTheWindowBack) {
    form.cmdMini_Click();
    form.ShowRequested();
    EXPECT_EQ(fake.window.GetWindowState(), WindowState::Normal);
    EXPECT_TRUE(fake.window.IsVisible());
    EXPECT_TRUE(fake.window.mainFocused);
    EXPECT_TRUE(fake.tray.trayIcons.empty());

    fake.window.mainFocused = false;
    fake.log.clear();
    form.ShowRequested();
    EXPECT_TRUE(fake.window.mainFocused);
    EXPECT_EQ(fake.log, (fakes::CallLog{"FocusMainWindow"}));
}

TEST_F(TrayTest, HotkeyWorksWhileHidden) {
    form.cmdMini_Click();
    fake.desktop.keysDown = {119};
    fake.desktop.foreground = 0x7000;
    fake.desktop.exStyles[0x7000] = 0;
    form.Timer1_Timer();
    EXPECT_EQ(fake.desktop.exStyles[0x7000], platform::kExStyleTopmost);
}

}  // namespace
