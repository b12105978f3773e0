// The help button, the About window and the contact link.
#include <gtest/gtest.h>

#include "about/WebLinks.h"
#include "app/MainForm.h"
#include "app/frmPos.h"
#include "tests/fakes/FakeWindowSystem.h"

namespace {

using platform::Control;

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

TEST_F(HelpTest, HelpShowsTheAboutWindowBeforeTheBrowserStarts) {
    form.Command1_Click();
    const std::vector<std::string> expected = {"LoadAbout", "ShowAbout", "DoEvents",
                                               std::string("StartProcess ") + about::kBrowserPath};
    EXPECT_EQ(ws.log, expected);
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
    form.LbQQ_Click();
    ASSERT_EQ(ws.log.size(), 2u);
    EXPECT_EQ(ws.log[0], "DoEvents");
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

TEST(WebLinks, AddressesAreUnderTheReservedExampleDomain) {
    for (const std::string url : {about::kShopPage, about::kProductPage}) {
        EXPECT_EQ(url.rfind("https://shop.example.com/", 0), 0u) << url;
    }
}

}  // namespace
