// The help button, the About window and the contact link.
#include <gtest/gtest.h>

#include "about/WebLinks.h"
#include "app/Colours.h"
#include "app/frmPos.h"
#include "tests/fakes/FakeWindowSystem.h"

namespace {

using app::Control;

class HelpTest : public testing::Test {
  protected:
    HelpTest() {
        ws.Connect(form);
        form.Form_Load();
        ws.log.clear();
    }
    fakes::FakeWindowSystem ws;
    app::frmPos form{ws};
};

// The About window is up and drawn before the browser starts, with the
// fixed browser or the default one.
TEST_F(HelpTest, HelpShowsTheAboutWindowBeforeTheBrowserStarts) {
    for (const bool fixedBrowser : {true, false}) {
        ws.browserStarts = fixedBrowser;
        ws.CloseAbout();
        ws.atBrowserStarts.clear();
        form.Command1_Click();
        ASSERT_FALSE(ws.atBrowserStarts.empty());
        EXPECT_TRUE(ws.atBrowserStarts.back().aboutShown);
        EXPECT_FALSE(ws.atBrowserStarts.back().eventsPending);
    }
}

TEST_F(HelpTest, OneAboutWindowUntilItIsClosed) {
    form.Command1_Click();
    form.Command1_Click();
    EXPECT_EQ(ws.aboutLoads, 1);
    EXPECT_EQ(ws.Count("ShowAbout"), 2);
    EXPECT_EQ(ws.startedCommandLines.size(), 2u) << "each click starts a browser";
    ws.CloseAbout();
    form.Command1_Click();
    EXPECT_EQ(ws.aboutLoads, 2);
}

TEST_F(HelpTest, CommandLinesQuoteThePath) {
    form.Command1_Click();
    form.LbQQ_Click();
    const std::string browser = "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\"  ";
    EXPECT_EQ(ws.startedCommandLines, (std::vector<std::string>{browser + about::kProductPage,
                                                                browser + about::kShopPage}));
    EXPECT_TRUE(ws.defaultBrowserUrls.empty());
}

TEST_F(HelpTest, WithoutTheBrowserTheDefaultOneOpensThePage) {
    ws.browserStarts = false;
    form.Command1_Click();
    form.LbQQ_Click();
    EXPECT_EQ(ws.defaultBrowserUrls,
              (std::vector<std::string>{about::kProductPage, about::kShopPage}));
    EXPECT_EQ(ws.aboutLoads, 1) << "the About window is shown all the same";
}

TEST_F(HelpTest, ContactLinkLetsEventsRunFirst) {
    ws.eventsPending = true;
    form.LbQQ_Click();
    ASSERT_EQ(ws.atBrowserStarts.size(), 1u);
    EXPECT_FALSE(ws.atBrowserStarts[0].eventsPending);
}

TEST_F(HelpTest, LinkColours) {
    EXPECT_EQ(ws.colours[Control::LbQQ], app::kLinkBlue);
    form.LbQQ_MouseMove({});
    EXPECT_EQ(ws.colours[Control::LbQQ], 0x000000FFu) << "red under the mouse";
    form.Form_MouseMove({});
    EXPECT_EQ(ws.colours[Control::LbQQ], 0x00FF0000u) << "blue over the rest of the window";
    form.LbQQ_MouseMove({});
    platform::MouseMove tray;
    tray.wParam = fakes::FakeWindowSystem::kMainIcon;
    tray.lParam = platform::wm::kMouseMove;
    form.Form_MouseMove(tray);
    EXPECT_EQ(ws.colours[Control::LbQQ], app::kLinkBlue) << "a tray notification too";
}

// Under high contrast the line keeps changing under the pointer, in the
// theme's colours.
TEST_F(HelpTest, LinkColoursFollowTheTheme) {
    form.ColoursChanged(app::ColoursFor(true, {.windowText = 0xFFFFFF, .hotLight = 0x00FFFF}));
    EXPECT_EQ(ws.colours[Control::LbQQ], 0x00FFFFu) << "at once";
    form.LbQQ_MouseMove({});
    EXPECT_EQ(ws.colours[Control::LbQQ], 0xFFFFFFu);
    form.Form_MouseMove({});
    EXPECT_EQ(ws.colours[Control::LbQQ], 0x00FFFFu);
}

}  // namespace
