// Minimising to the notification area and coming back.
#include <gtest/gtest.h>

#include <cstring>

#include "app/MainForm.h"
#include "app/frmPos.h"
#include "tray/TrayIcon.h"
#include "tests/fakes/FakeRoles.h"

namespace {

using app::Control;
using fakes::FakeRoles;
using fakes::FakeTray;
using fakes::FakeWindow;
using platform::MouseMove;
using platform::WindowState;

// As the shell sends it: the icon's id, and the mouse message where a
// pointer move has its coordinates.
MouseMove TrayNotification(std::uint32_t message) {
    MouseMove e;
    e.wParam = FakeWindow::kMainIcon;
    e.lParam = message;
    return e;
}

// The pointer at pixel (x, 0) of the window at 96 dpi, with a button held.
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
    EXPECT_EQ(r.cbSize, 88u);
    EXPECT_EQ(r.hWnd, FakeWindow::kMainWindow);
    EXPECT_EQ(r.uID, FakeWindow::kMainIcon);
    EXPECT_EQ(r.hIcon, FakeWindow::kMainIcon);
    EXPECT_EQ(r.uFlags, 7u);
    EXPECT_EQ(r.uCallbackMessage, 0x200u);
    // "Orvane置顶工具" in GBK, a NUL, then blanks up to the 64th byte.
    const std::string gbk = "Orvane\xD6\xC3\xB6\xA5\xB9\xA4\xBE\xDF";
    std::string expected = gbk + '\0' + std::string(64 - gbk.size() - 1, ' ');
    EXPECT_EQ(std::string(r.szTip.data(), r.szTip.size()), expected);
}

TEST_F(TrayTest, LeftButtonDownOnTheIconRestores) {
    form.cmdMini_Click();
    fake.log.clear();
    form.Form_MouseMove(TrayNotification(platform::wm::kLButtonDown));
    EXPECT_EQ(fake.window.GetWindowState(), WindowState::Normal);
    EXPECT_TRUE(fake.window.IsVisible());
    EXPECT_TRUE(fake.window.mainFocused);
    EXPECT_TRUE(fake.tray.trayIcons.empty()) << "the icon goes at once";
}

TEST_F(TrayTest, OtherNotificationsDoNothing) {
    form.cmdMini_Click();
    fake.log.clear();
    for (std::uint32_t m :
         {platform::wm::kMouseMove, platform::wm::kLButtonUp, platform::wm::kLButtonDblClk,
          platform::wm::kRButtonDown, platform::wm::kRButtonUp, platform::wm::kRButtonDblClk}) {
        form.Form_MouseMove(TrayNotification(m));
    }
    EXPECT_TRUE(fake.log.empty());
    EXPECT_FALSE(fake.window.IsVisible());
}

TEST_F(TrayTest, NotificationOnANormalWindowDoesNothing) {
    form.Form_MouseMove(TrayNotification(platform::wm::kLButtonDown));
    EXPECT_TRUE(fake.log.empty());
}

TEST_F(TrayTest, PointerMovementNeverRestores) {
    // Where a coordinate test would have mistaken these for the left button
    // (pixel 1, 257, 513 at 96 dpi; the notification at 120 dpi), nothing
    // happens, with or without a button held.
    form.cmdMini_Click();
    fake.log.clear();
    for (int x : {1, 257, 513, 0x201}) {
        for (std::uintptr_t buttons : {0x0, 0x1, 0x3}) {
            form.Form_MouseMove(PointerAt(x, buttons));
        }
    }
    EXPECT_TRUE(fake.log.empty());
    EXPECT_FALSE(fake.window.IsVisible());
}

// The shell timed out on the add but shows the icon: the icon still brings
// the window back, and the retries never add a second one.
TEST_F(TrayTest, AnIconTheShellDidNotConfirmStillRestores) {
    fake.tray.shell = FakeTray::Shell::TimesOut;
    form.cmdMini_Click();
    for (int tick = 0; tick < 100; ++tick) {
        form.Timer1_Timer();
    }
    EXPECT_EQ(fake.tray.trayIcons.size(), 1u);
    form.Form_MouseMove(TrayNotification(platform::wm::kLButtonDown));
    EXPECT_TRUE(fake.window.IsVisible());
    EXPECT_TRUE(fake.tray.trayIcons.empty());
}

// Gone to the tray a minute before the shell was up: the icon comes once it
// is, and exactly one; the tries until then were one a second.
TEST_F(TrayTest, AnIconTheShellWasNotReadyForComesLater) {
    fake.tray.shell = FakeTray::Shell::NotReady;
    form.cmdMini_Click();
    constexpr int kTicksInAMinute = 60 * 5;
    for (int tick = 0; tick < kTicksInAMinute; ++tick) {
        form.Timer1_Timer();
    }
    EXPECT_TRUE(fake.tray.trayIcons.empty());
    EXPECT_EQ(fake.tray.trayAdds.size(), 61u);
    fake.tray.shell = FakeTray::Shell::Ready;
    for (int tick = 0; tick < 100; ++tick) {
        form.Timer1_Timer();
    }
    EXPECT_EQ(fake.tray.trayIcons.size(), 1u);
    const std::size_t adds = fake.tray.trayAdds.size();
    fake.tray.trayIcons.clear();  // the shell started again and lost it
    form.TaskbarCreated();
    for (int tick = 0; tick < 100; ++tick) {
        form.Timer1_Timer();
    }
    EXPECT_EQ(fake.tray.trayAdds.size(), adds + 1);
    EXPECT_EQ(fake.tray.trayIcons.size(), 1u);
    form.Form_MouseMove(TrayNotification(platform::wm::kLButtonDown));
    EXPECT_TRUE(fake.window.IsVisible());
}

TEST_F(TrayTest, EveryMinimiseAddsAFreshIcon) {
    for (int i = 0; i < 3; ++i) {
        form.cmdMini_Click();
        form.Form_MouseMove(TrayNotification(platform::wm::kLButtonDown));
    }
    EXPECT_EQ(fake.tray.trayAdds.size(), 3u);
    EXPECT_EQ(fake.tray.trayDeletes.size(), 3u);
}

TEST_F(TrayTest, ClosingFromTheTrayDeletesTheIcon) {
    form.cmdMini_Click();
    form.Form_Unload();
    ASSERT_EQ(fake.tray.trayDeletes.size(), 1u);
    EXPECT_EQ(fake.tray.trayDeletes[0].uID, FakeWindow::kMainIcon);
}

TEST_F(TrayTest, ExplorerRestartBringsTheIconBackOnlyWhileHidden) {
    form.TaskbarCreated();
    EXPECT_TRUE(fake.tray.trayAdds.empty()) << "a shown window has no icon to restore";
    form.cmdMini_Click();
    form.TaskbarCreated();
    EXPECT_EQ(fake.tray.trayAdds.size(), 2u);
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
