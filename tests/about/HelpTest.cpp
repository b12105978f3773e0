// The help button, the About window and the contact link.
#include <gtest/gtest.h>

#include "about/WebLinks.h"
#include "app/Colours.h"
#include "app/frmPos.h"
#include "tests/fakes/FakeRoles.h"
#include "tray/TrayIcon.h"

namespace {

using platform::Control;

class HelpTest : public testing::Test {
  protected:
    HelpTest() {
        fake.Connect(form);
        form.Form_Load();
        fake.log.clear();
    }
    fakes::FakeRoles fake;
    app::frmPos form{fake.Roles()};
};

// The About window is up and drawn before the browser starts, with the
// fixed browser or the default one.
TEST_F(HelpTest, HelpShowsTheAboutWindowBeforeTheBrowserStarts) {
    for (const bool fixedBrowser : {true, false}) {
        fake.help.browserStarts = fixedBrowser;
        fake.help.CloseAbout();
        fake.help.atBrowserStarts.clear();
        form.Command1_Click();
        ASSERT_FALSE(fake.help.atBrowserStarts.empty());
        EXPECT_TRUE(fake.help.atBrowserStarts.back().aboutShown);
        EXPECT_FALSE(fake.help.atBrowserStarts.back().paintPending);
    }
}

TEST_F(HelpTest, OneAboutWindowUntilItIsClosed) {
    form.Command1_Click();
    form.Command1_Click();
    EXPECT_EQ(fake.help.aboutLoads, 1);
    EXPECT_EQ(fake.Count("ShowAbout"), 2);
    EXPECT_EQ(fake.help.startedCommandLines.size(), 2u) << "each click starts a browser";
    fake.help.CloseAbout();
    form.Command1_Click();
    EXPECT_EQ(fake.help.aboutLoads, 2);
}

TEST_F(HelpTest, CommandLinesQuoteThePath) {
    form.Command1_Click();
    form.LbQQ_Click();
    const std::string browser = "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\"  ";
    EXPECT_EQ(
        fake.help.startedCommandLines,
        (std::vector<std::string>{browser + about::kProductPage, browser + about::kShopPage}));
    EXPECT_TRUE(fake.help.defaultBrowserUrls.empty());
}

TEST_F(HelpTest, WithoutTheBrowserTheDefaultOneOpensThePage) {
    fake.help.browserStarts = false;
    form.Command1_Click();
    form.LbQQ_Click();
    EXPECT_EQ(fake.help.defaultBrowserUrls,
              (std::vector<std::string>{about::kProductPage, about::kShopPage}));
    EXPECT_EQ(fake.help.aboutLoads, 1) << "the About window is shown all the same";
}

TEST_F(HelpTest, ContactLinkLetsEventsRunFirst) {
    fake.help.paintPending = true;
    form.LbQQ_Click();
    ASSERT_EQ(fake.help.atBrowserStarts.size(), 1u);
    EXPECT_FALSE(fake.help.atBrowserStarts[0].paintPending);
}

TEST_F(HelpTest, LinkColours) {
    EXPECT_EQ(fake.controls.colours[Control::LbQQ], about::kLinkBlue);
    form.LbQQ_MouseMove({});
    EXPECT_EQ(fake.controls.colours[Control::LbQQ], 0x000000FFu) << "red under the mouse";
    platform::MouseMove tray;
    tray.wParam = tray::kIconId;
    tray.lParam = platform::wm::kMouseMove;
    form.Form_MouseMove(tray);
    EXPECT_EQ(fake.controls.colours[Control::LbQQ], about::kLinkBlue) << "a tray notification too";
}

// One that opens later takes them then: ColoursTest.
TEST_F(HelpTest, AnOpenAboutWindowTakesNewColoursAtOnce) {
    form.Command1_Click();
    form.ColoursChanged(app::ColoursFor(true, {.windowText = 0xFFFFFF}));
    EXPECT_EQ(fake.controls.colours[Control::LbHelp], 0xFFFFFFu);
}

}  // namespace
