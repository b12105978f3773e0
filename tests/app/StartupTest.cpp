// Start-up and shutdown of the main window, run against the fakes.
#include <gtest/gtest.h>

#include "app/frmPos.h"
#include "platform/Desktop.h"
#include "settings/ConfigFile.h"
#include "settings/Settings.h"
#include "tests/app/KeyNameCases.h"
#include "tests/fakes/FakeRoles.h"

namespace {

using platform::Control;
using platform::WindowState;

class StartupTest : public testing::Test {
  protected:
    StartupTest() { fake.Connect(form); }
    fakes::FakeRoles fake;
    app::frmPos form{fake.Roles()};
};

TEST_F(StartupTest, NoSettingsFileMeansF8AndANormalWindow) {
    form.Form_Load();
    EXPECT_EQ(form.HotKey(), 119);
    EXPECT_EQ(form.AutoTray(), 0);
    EXPECT_EQ(fake.controls.texts[Control::Text1], "F8");
    EXPECT_FALSE(fake.controls.checks[Control::CbAuto]);
    EXPECT_EQ(fake.window.GetWindowState(), WindowState::Normal);
    EXPECT_FALSE(fake.files.ReadConfig().has_value()) << "loading alone writes nothing";

    form.Form_Unload();
    EXPECT_EQ(fake.files.ReadConfig(), " 119 \r\n 0 \r\n");
}

// A stored key shows by name; one without a name leaves the box at "F8".
TEST_F(StartupTest, StoredKeyIsShownByName) {
    for (const tests::KeyNameCase& c : tests::KeyNameCases()) {
        fakes::FakeRoles fresh;
        app::frmPos f(fresh.Roles());
        fresh.Connect(f);
        fresh.files.WriteConfig(settings::PrintedNumberLine(c.code) + " 0 \r\n");
        f.Form_Load();
        EXPECT_EQ(f.HotKey(), static_cast<std::int16_t>(c.code));
        EXPECT_EQ(fresh.controls.texts[Control::Text1], c.name.value_or("F8")) << c.code;
    }
}

TEST_F(StartupTest, KeyTooLargeForSixteenBitsStaysZero) {
    fake.files.WriteConfig("70000\r\n0\r\n");
    form.Form_Load();
    EXPECT_EQ(form.HotKey(), 0);
}

TEST_F(StartupTest, StartInTrayChecksTheBoxSavesAndHides) {
    fake.files.WriteConfig("65\r\n1\r\n");
    form.Form_Load();
    EXPECT_EQ(form.HotKey(), 65);
    EXPECT_EQ(form.AutoTray(), 1);
    EXPECT_TRUE(fake.controls.checks[Control::CbAuto]);
    EXPECT_EQ(fake.window.GetWindowState(), WindowState::Minimised);
    EXPECT_FALSE(fake.window.IsVisible());
    EXPECT_EQ(fake.tray.trayAdds.size(), 1u);
    EXPECT_EQ(fake.controls.texts[Control::Text1], "A");
    // The box went from unchecked to checked: its click event rewrote the
    // file at once, in the program's own format, with the values just read
    // (the stored key too), and once.
    EXPECT_EQ(fake.files.ReadConfig(), " 65 \r\n 1 \r\n");
    EXPECT_EQ(fake.Count("ReplaceFileContents"), 1);
}

// The timer runs before the start-up ends, and a message box runs ticks in
// its loop: the start-up's save may show the save-failed one (here a virus
// scanner holds the file from the moment it was read, so the file the next
// start reads would say otherwise).  A key held through the start flips
// nothing in those ticks, not even the box; a new press afterwards does.
TEST_F(StartupTest, AKeyHeldThroughTheStartFlipsNothingWhileItsMessageShows) {
    constexpr platform::Handle kMessageBox = 0x6100;
    constexpr int kA = 65;
    fake.files.WriteConfig("65\r\n1\r\n");  // A, and start in the tray: the check box saves
    fake.files.heldOnceRead = true;
    fake.desktop.exStyles = {{kMessageBox, 0}, {fakes::FakeWindow::kMainWindow, 0}};
    fake.desktop.ownThreadWindows = {kMessageBox, fakes::FakeWindow::kMainWindow};
    fake.desktop.foreground = fakes::FakeWindow::kMainWindow;
    fake.desktop.keysDown = {kA};
    fake.desktop.keysPressedSince = {kA};
    int ticksInTheBox = 0;
    fake.controls.whileMessageShows = [&] {
        fake.desktop.foreground = kMessageBox;
        for (int tick = 0; tick < 3; ++tick) {
            form.Timer1_Timer();
            ++ticksInTheBox;
        }
        fake.desktop.foreground = fakes::FakeWindow::kMainWindow;
    };
    form.Form_Load();
    ASSERT_EQ(fake.controls.messageBoxes.size(), 1u);
    EXPECT_EQ(fake.controls.messageBoxes[0], settings::kSaveFailedMessage);
    EXPECT_EQ(ticksInTheBox, 3);
    EXPECT_EQ(fake.desktop.exStyles[kMessageBox], 0u) << "the box was pinned";

    // Let go, then pressed again over a window: that press is the user's.
    constexpr platform::Handle kEditor = 0x5000;
    fake.desktop.exStyles[kEditor] = 0;
    fake.desktop.foreground = kEditor;
    fake.desktop.keysDown.clear();
    form.Timer1_Timer();
    fake.desktop.keysDown = {kA};
    fake.desktop.keysPressedSince = {kA};
    form.Timer1_Timer();
    EXPECT_EQ(fake.desktop.exStyles[kEditor], platform::kExStyleTopmost);
}

TEST_F(StartupTest, UncheckedFlagSavesNothingDuringStartUp) {
    fake.files.WriteConfig("65\r\n0\r\n");
    form.Form_Load();
    EXPECT_EQ(fake.Count("ReplaceFileContents"), 0) << "the box was unchecked already";
    EXPECT_EQ(fake.files.ReadConfig(), "65\r\n0\r\n");
    EXPECT_TRUE(fake.window.IsVisible());
}

TEST_F(StartupTest, UnreadableFileAppliesTheDefaults) {
    // A file that exists but can't be opened reads as empty: F8, no tray.
    fake.files.WriteConfig("65\r\n1\r\n");
    fake.files.readsFail = true;
    form.Form_Load();
    EXPECT_EQ(form.HotKey(), 119);
    EXPECT_EQ(fake.controls.texts[Control::Text1], "F8");
    EXPECT_FALSE(fake.controls.checks[Control::CbAuto]);
}

// The lock taken by an instance that runs, as a standard run or (access
// denied) as administrator: the new start asks that one to show itself and
// ends.  A lock that merely failed doesn't stop the program.
TEST_F(StartupTest, SecondInstanceEndsWithoutTouchingAnything) {
    const struct {
        platform::InstanceLock lock;
        bool ends;
    } rows[] = {
        {platform::InstanceLock::AlreadyTaken, true},
        {platform::InstanceLock::AccessDenied, true},
        {platform::InstanceLock::Failed, false},
    };
    for (const auto& row : rows) {
        fakes::FakeRoles fresh;
        app::frmPos f(fresh.Roles());
        fresh.window.instanceLock = row.lock;
        fresh.files.WriteConfig(" 65 \r\n 1 \r\n");
        f.Form_Load();
        EXPECT_EQ(fresh.window.ended, row.ends) << static_cast<int>(row.lock);
        EXPECT_EQ(fresh.window.askedRunningToShow, row.ends) << static_cast<int>(row.lock);
        if (row.ends) {
            EXPECT_EQ(fresh.log,
                      (std::vector<std::string>{"TakeInstanceLock", "AskRunningInstanceToShow",
                                                "EndInstance"}));
            EXPECT_EQ(fresh.files.ReadConfig(), " 65 \r\n 1 \r\n");
        }
    }
}

// The close lets a new start run even while an About window keeps this
// process, and only once the settings it will read are saved.
TEST_F(StartupTest, ShutdownDeletesTheIconSavesAndReleasesTheLock) {
    form.Form_Load();
    EXPECT_TRUE(fake.window.lockHeld);
    form.cmdMini_Click();
    fake.controls.checks[Control::CbAuto] = true;
    fake.log.clear();
    form.Form_Unload();
    EXPECT_TRUE(fake.tray.trayIcons.empty());
    EXPECT_EQ(fake.files.ReadConfig(), " 119 \r\n 1 \r\n");
    EXPECT_FALSE(fake.window.lockHeld);
    EXPECT_EQ(fake.log.back(), "ReleaseInstanceLock");
}

TEST_F(StartupTest, CheckBoxClickSavesAtOnce) {
    form.Form_Load();
    fake.controls.checks[Control::CbAuto] = true;  // the user ticked it
    form.CbAuto_Click();
    EXPECT_EQ(fake.files.ReadConfig(), " 119 \r\n 1 \r\n");
}

}  // namespace
