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
using UserAction = fakes::FakeTray::UserAction;
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
        const auto shown = fake.tray.trayIcons.find(kIcon);
        return shown == fake.tray.trayIcons.end() ? platform::IconHandle{} : shown->second;
    }
    // The version of the callbacks the shell has for the program's icon.
    std::uint32_t ShownVersion() const { return fake.tray.trayVersions.at(kIcon); }
    // The user does something to the icon: the shell's callbacks, one by one.
    void UserDoes(UserAction action) {
        for (const MouseMove& callback : fake.tray.Callbacks(kIcon, action)) {
            form.Form_MouseMove(callback);
        }
    }
    // How often the window was brought back.
    int Restores() const { return fake.Count("FocusMainWindow"); }

    static constexpr FakeTray::Key kIcon{FakeWindow::kMainWindow, tray::kIconId};
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
    EXPECT_EQ(r.uVersion, 3u) << "the callbacks of Windows 2000 on";
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
    // and double click; the selection after a left click, the shortcut menu.
    for (std::uint32_t m : {0x200u, 0x202u, 0x203u, 0x204u, 0x205u, 0x206u, 0x400u, 0x7Bu}) {
        form.Form_MouseMove(TrayNotification(m));
    }
    EXPECT_TRUE(fake.log.empty());
    EXPECT_FALSE(fake.window.IsVisible());
}

// A notification that comes once the window is back (one queued behind the
// one that brought it back, say) finds the icon's record filled and the
// window normal: nothing happens.
TEST_F(TrayTest, NotificationOnANormalWindowDoesNothing) {
    form.cmdMini_Click();
    form.Form_MouseMove(TrayNotification(kLButtonDown));
    ASSERT_EQ(fake.window.GetWindowState(), WindowState::Normal);
    fake.log.clear();
    for (std::uint32_t m : {kLButtonDown, 0x401u}) {
        form.Form_MouseMove(TrayNotification(m));
    }
    EXPECT_TRUE(fake.log.empty());
}

// Every icon the shell shows has asked for the callbacks of version 3, in
// which the keyboard's selection has a message of its own: the shell forgets
// the version with each add, so it follows each, the retry's and the new
// taskbar's too.
TEST_F(TrayTest, EveryIconAsksForTheCallbacksOfVersion3) {
    form.cmdMini_Click();
    EXPECT_EQ(fake.log, (fakes::CallLog{"SetWindowState 1", "MakeTrayIcon", "TrayAdd",
                                        "TraySetVersion 3", "Hide"}));
    EXPECT_EQ(ShownVersion(), 3u);

    fake.tray.trayIcons.clear();  // Explorer restarted
    fake.tray.trayVersions.clear();
    form.TaskbarCreated();
    EXPECT_EQ(ShownVersion(), 3u);

    form.Form_MouseMove(TrayNotification(kLButtonDown));
    fake.tray.shell = FakeTray::Shell::NotReady;
    form.cmdMini_Click();
    Ticks(10);
    fake.tray.shell = FakeTray::Shell::Ready;
    Ticks(5);
    EXPECT_EQ(ShownVersion(), 3u) << "the retry's add";

    form.Form_MouseMove(TrayNotification(kLButtonDown));
    fake.tray.shell = FakeTray::Shell::TimesOut;
    form.cmdMini_Click();
    EXPECT_EQ(ShownVersion(), 0u) << "an add the shell didn't confirm";
    Ticks(5);
    EXPECT_EQ(ShownVersion(), 3u) << "once the retry finds the icon there";
}

// Win+B, the arrow keys to the icon, then Space or Enter: the window comes
// back as from the left button.  (In the callbacks of version 0 this is the
// right button, which does nothing.)
TEST_F(TrayTest, TheKeyboardsSelectionRestores) {
    form.cmdMini_Click();
    fake.log.clear();
    UserDoes(UserAction::KeySelect);
    EXPECT_EQ(fake.window.GetWindowState(), WindowState::Normal);
    EXPECT_TRUE(fake.window.IsVisible());
    EXPECT_TRUE(fake.window.mainFocused);
    EXPECT_TRUE(fake.tray.trayIcons.empty());
    EXPECT_EQ(Restores(), 1);
}

// The left button as before: back at the button going down, once, and not
// again at the selection that follows the click in version 3.  The
// selection alone brings nothing back: only the button going down does.
TEST_F(TrayTest, ALeftClickRestoresOnce) {
    form.cmdMini_Click();
    fake.log.clear();
    UserDoes(UserAction::LeftClick);
    EXPECT_TRUE(fake.window.IsVisible());
    EXPECT_EQ(Restores(), 1);
    EXPECT_EQ(fake.tray.trayDeletes.size(), 1u);

    form.cmdMini_Click();
    fake.log.clear();
    form.Form_MouseMove(TrayNotification(0x400));
    EXPECT_TRUE(fake.log.empty());
    EXPECT_FALSE(fake.window.IsVisible());
}

// A second selection queued behind the first finds the window back already.
TEST_F(TrayTest, TwoSelectionsRestoreOnce) {
    form.cmdMini_Click();
    fake.log.clear();
    UserDoes(UserAction::KeySelect);
    form.Form_MouseMove(TrayNotification(0x401));
    EXPECT_EQ(Restores(), 1);
}

// The right button, and the keyboard's menu key (Shift+F10, or the
// context-menu key) on the icon: nothing, in either version of the callbacks.
TEST_F(TrayTest, TheRightButtonAndTheMenuKeyDoNothing) {
    form.cmdMini_Click();
    fake.log.clear();
    UserDoes(UserAction::RightClick);
    UserDoes(UserAction::KeyMenu);
    fake.tray.trayVersions[kIcon] = 0;
    UserDoes(UserAction::RightClick);
    UserDoes(UserAction::KeyMenu);
    EXPECT_TRUE(fake.log.empty());
    EXPECT_FALSE(fake.window.IsVisible());
    EXPECT_EQ(fake.tray.trayIcons.size(), 1u);
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

// The first try after a failed add comes a second later, five ticks, as do
// the ones after it: not at the next tick.
TEST_F(TrayTest, TheFirstRetryComesAfterASecond) {
    fake.tray.shell = FakeTray::Shell::NotReady;
    form.cmdMini_Click();
    ASSERT_EQ(fake.tray.trayAdds.size(), 1u);
    Ticks(1);
    EXPECT_EQ(fake.tray.trayAdds.size(), 1u) << "after one tick";
    Ticks(3);
    EXPECT_EQ(fake.tray.trayAdds.size(), 1u) << "after four ticks";
    Ticks(1);
    EXPECT_EQ(fake.tray.trayAdds.size(), 2u) << "after five ticks, a second";
    Ticks(4);
    EXPECT_EQ(fake.tray.trayAdds.size(), 2u);
    Ticks(1);
    EXPECT_EQ(fake.tray.trayAdds.size(), 3u) << "after two seconds";
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
