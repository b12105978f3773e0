// Both windows laid out from their twips at the DPIs Windows offers.
#include "platform/FormLayout.h"

#include <gtest/gtest.h>

#include "about/AboutForm.h"
#include "app/MainForm.h"

namespace {

using app::Control;
using app::ControlId;
using platform::PixelRect;

const platform::ControlLayout& Find(const platform::FormLayout& layout, Control control) {
    for (const auto& c : layout.controls) {
        if (c.id == ControlId(control)) {
            return c;
        }
    }
    throw std::out_of_range("no such control");
}

TEST(FormLayoutTest, BothWindowsAtEveryDpi) {
    const struct {
        int dpi;
        int iconSide;  // SM_CXICON at that DPI
        int mainWidth, mainHeight;
        PixelRect setKey;  // cmdSetKey: 180, 135, 1515 x 375 twips
        int buttonFont;    // 宋体 12 pt
        int checkBoxFont;  // the form's default, 9 pt
        int aboutWidth, aboutHeight;
        PixelRect picture;  // picIcon: at 6975, 180, its picture's size
        int titleFont;      // 隶书 15 pt
    } cases[] = {
        {96, 32, 306, 89, {12, 9, 113, 34}, -16, -12, 531, 199, {465, 12, 497, 44}, -20},
        {120, 40, 383, 111, {15, 11, 141, 42}, -20, -15, 664, 249, {581, 15, 621, 55}, -25},
        {144, 48, 459, 134, {18, 14, 170, 52}, -24, -18, 797, 299, {698, 18, 746, 66}, -30},
        {192, 64, 612, 178, {24, 18, 226, 68}, -32, -24, 1062, 398, {930, 24, 994, 88}, -40},
    };
    for (const auto& c : cases) {
        const platform::FormLayout main = platform::LayoutAt(app::kFrmPos, c.dpi, c.iconSide);
        EXPECT_EQ(main.clientWidth, c.mainWidth) << c.dpi;
        EXPECT_EQ(main.clientHeight, c.mainHeight) << c.dpi;
        EXPECT_EQ(Find(main, Control::cmdSetKey).rect, c.setKey) << c.dpi;
        EXPECT_EQ(Find(main, Control::cmdSetKey).fontHeight, c.buttonFont) << c.dpi;
        EXPECT_EQ(Find(main, Control::CbAuto).fontHeight, c.checkBoxFont) << c.dpi;

        const platform::FormLayout about = platform::LayoutAt(about::kFrmAbout, c.dpi, c.iconSide);
        EXPECT_EQ(about.clientWidth, c.aboutWidth) << c.dpi;
        EXPECT_EQ(about.clientHeight, c.aboutHeight) << c.dpi;
        // The picture box takes its picture's size once, not scaled again.
        EXPECT_EQ(Find(about, Control::picIcon).rect, c.picture) << c.dpi;
        EXPECT_EQ(Find(about, Control::lblTitle).fontHeight, c.titleFont) << c.dpi;
    }
}

}  // namespace
