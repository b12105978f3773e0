// Start-up and shutdown of the main window, run against the fake window system.
#include <gtest/gtest.h>

#include "app/frmPos.h"
#include "tests/fakes/FakeWindowSystem.h"

namespace {

using platform::Control;
using platform::WindowState;

class StartupTest : public testing::Test {
  protected:
    StartupTest() { ws.Connect(form); }
    fakes::FakeWindowSystem ws;
    app::frmPos form{ws};
};

TEST_F(StartupTest, NoSettingsFileMeansF8AndANormalWindow) {
    form.Form_Load();
    EXPECT_EQ(form.HotKey(), 119);
    EXPECT_EQ(form.AutoTray(), 0);
    EXPECT_EQ(ws.texts[Control::Text1], "F8");
    EXPECT_EQ(ws.checks[Control::CbAuto], 0);
    EXPECT_EQ(ws.GetWindowState(), WindowState::Normal);
    EXPECT_FALSE(ws.ReadConfig().has_value()) << "loading alone writes nothing";

    form.Form_Unload();
    EXPECT_EQ(ws.ReadConfig(), " 119 \r\n 0 \r\n");
}

TEST_F(StartupTest, StoredKeyIsShownByName) {
    const struct {
        const char* file;
        const char* shown;
    } cases[] = {{" 65 \r\n 0 \r\n", "A"},
                 {" 123 \r\n 0 \r\n", "F12"},
                 {" 124 \r\n 0 \r\n", "|"},
                 {" 112 \r\n 0 \r\n", "F1"},
                 {" 48 \r\n 0 \r\n", "0"}};
    for (const auto& c : cases) {
        fakes::FakeWindowSystem fresh;
        app::frmPos f(fresh);
        fresh.Connect(f);
        fresh.WriteConfig(c.file);
        f.Form_Load();
        EXPECT_EQ(fresh.texts[Control::Text1], c.shown) << c.file;
    }
}

TEST_F(StartupTest, KeyWithoutNameKeepsF8InTheBox) {
    ws.WriteConfig(" 300 \r\n 0 \r\n");
    form.Form_Load();
    EXPECT_EQ(form.HotKey(), 300);
    EXPECT_EQ(ws.texts[Control::Text1], "F8");
}

TEST_F(StartupTest, KeyTooLargeForSixteenBitsStaysZero) {
    ws.WriteConfig("70000\r\n0\r\n");
    form.Form_Load();
    EXPECT_EQ(form.HotKey(), 0);
}

TEST_F(StartupTest, StartInTrayChecksTheBoxSavesAndHides) {
    ws.WriteConfig("65\r\n1\r\n");
    form.Form_Load();
    EXPECT_EQ(form.HotKey(), 65);
    EXPECT_EQ(form.AutoTray(), 1);
    EXPECT_EQ(ws.checks[Control::CbAuto], 1);
    EXPECT_EQ(ws.GetWindowState(), WindowState::Minimised);
    EXPECT_FALSE(ws.IsVisible());
    EXPECT_EQ(ws.trayAdds.size(), 1u);
    EXPECT_EQ(ws.texts[Control::Text1], "A");
    // The box went from unchecked to checked: its click event rewrote the
    // file at once, in the program's own format, with the values just read.
    EXPECT_EQ(ws.ReadConfig(), " 65 \r\n 1 \r\n");
}

TEST_F(StartupTest, StartUpOrder) {
    ws.WriteConfig("65\r\n1\r\n");
    form.Form_Load();
    const std::vector<std::string> expected = {
        "ReadFileHead 65536", "SetCheckValue 1", "ReplaceFileContents",
        "SetWindowState 1",   "TrayAdd",         "Hide",
        "SetText 0 A",
    };
    EXPECT_EQ(ws.log, expected);
}

TEST_F(StartupTest, UncheckedFlagSavesNothingDuringStartUp) {
    ws.WriteConfig("65\r\n0\r\n");
    form.Form_Load();
    EXPECT_EQ(ws.Count("ReplaceFileContents"), 0) << "the box was unchecked already";
    EXPECT_EQ(ws.ReadConfig(), "65\r\n0\r\n");
    EXPECT_TRUE(ws.IsVisible());
}

TEST_F(StartupTest, UnreadableFileAppliesTheDefaults) {
    // A file that exists but can't be opened reads as empty: F8, no tray.
    ws.WriteConfig("65\r\n1\r\n");
    ws.readsFail = true;
    form.Form_Load();
    EXPECT_EQ(form.HotKey(), 119);
    EXPECT_EQ(ws.texts[Control::Text1], "F8");
    EXPECT_EQ(ws.checks[Control::CbAuto], 0);
}

TEST_F(StartupTest, SecondInstanceEndsWithoutTouchingAnything) {
    ws.previousInstance = true;
    ws.WriteConfig(" 65 \r\n 1 \r\n");
    form.Form_Load();
    EXPECT_TRUE(ws.ended);
    EXPECT_EQ(ws.log, std::vector<std::string>{"EndInstance"});
    EXPECT_EQ(ws.ReadConfig(), " 65 \r\n 1 \r\n");
}

TEST_F(StartupTest, ShutdownDeletesTheIconThenSaves) {
    form.Form_Load();
    ws.checks[Control::CbAuto] = 1;
    form.Form_Unload();
    ASSERT_GE(ws.log.size(), 2u);
    EXPECT_EQ(ws.log[ws.log.size() - 2], "TrayDelete");
    EXPECT_EQ(ws.log.back(), "ReplaceFileContents");
    EXPECT_EQ(ws.ReadConfig(), " 119 \r\n 1 \r\n");
}

TEST_F(StartupTest, CheckBoxClickSavesAtOnce) {
    form.Form_Load();
    ws.checks[Control::CbAuto] = 1;  // the user ticked it
    form.CbAuto_Click();
    EXPECT_EQ(ws.ReadConfig(), " 119 \r\n 1 \r\n");
}

}  // namespace
