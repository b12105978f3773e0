// Both windows laid out from their twips at the DPIs Windows offers.
#include "platform/FormLayout.h"
#include "platform/PixelRect.h"

#include <gtest/gtest.h>

#include <vector>

#include "about/AboutForm.h"
#include "app/MainForm.h"

namespace {

using platform::Control;
using platform::ControlId;
using platform::PixelRect;

const platform::ControlLayout& Find(const platform::FormLayout& layout, Control control) {
    for (const auto& c : layout.controls) {
        if (c.id == ControlId(control)) {
            return c;
        }
    }
    throw std::out_of_range("no such control");
}

// Every control of both windows in the definitions' order, and no other,
// where the window system puts it: at 120 dpi, where most twips fall
// between two pixels.  The picture box takes its picture's size (the icon's,
// 40 pixels) once, not scaled again.
TEST(FormLayoutTest, EveryControlOfBothWindowsAt120Dpi) {
    const auto rects = [](const platform::FormDef& form) {
        std::vector<PixelRect> placed;
        for (const auto& c : platform::LayoutAt(form, 120, 40).controls) {
            placed.push_back(c.rect);
        }
        return placed;
    };
    // Text1, cmdSetKey, cmdMini, CbAuto, Command1, LbQQ.
    const std::vector<PixelRect> mainRects{{146, 11, 181, 44}, {15, 11, 141, 42},
                                           {229, 11, 295, 42}, {203, 79, 362, 105},
                                           {300, 11, 366, 42}, {19, 53, 360, 71}};
    EXPECT_EQ(rects(app::kFrmPos), mainRects);
    // picIcon, lblDescription, lblTitle, LbHelp.
    const std::vector<PixelRect> aboutRects{
        {581, 15, 621, 55}, {281, 98, 695, 126}, {289, 23, 613, 63}, {304, 150, 625, 246}};
    EXPECT_EQ(rects(about::kFrmAbout), aboutRects);
}

// Client sizes and the four font sizes at each DPI; 10.5 pt falls on half a
// pixel at 120 and 168 dpi, and rounds up there.
TEST(FormLayoutTest, BothWindowsAtEveryDpi) {
    const struct {
        int dpi;
        int mainWidth, mainHeight;
        int aboutWidth, aboutHeight;
        int defaultFont;  // CbAuto: the form's default, 宋体 9 pt
        int contactFont;  // LbQQ: 仿宋 10.5 pt
        int buttonFont;   // 宋体 12 pt
        int titleFont;    // 隶书 15 pt
    } cases[] = {
        {96, 306, 89, 531, 199, -12, -14, -16, -20},
        {120, 383, 111, 664, 249, -15, -18, -20, -25},
        {144, 459, 134, 797, 299, -18, -21, -24, -30},
        {168, 536, 156, 929, 348, -21, -25, -28, -35},
        {192, 612, 178, 1062, 398, -24, -28, -32, -40},
    };
    for (const auto& c : cases) {
        const platform::FormLayout main = platform::LayoutAt(app::kFrmPos, c.dpi, 32);
        EXPECT_EQ(main.clientWidth, c.mainWidth) << c.dpi;
        EXPECT_EQ(main.clientHeight, c.mainHeight) << c.dpi;
        EXPECT_EQ(Find(main, Control::CbAuto).fontHeight, c.defaultFont) << c.dpi;
        EXPECT_EQ(Find(main, Control::LbQQ).fontHeight, c.contactFont) << c.dpi;
        EXPECT_EQ(Find(main, Control::cmdSetKey).fontHeight, c.buttonFont) << c.dpi;

        const platform::FormLayout about = platform::LayoutAt(about::kFrmAbout, c.dpi, 32);
        EXPECT_EQ(about.clientWidth, c.aboutWidth) << c.dpi;
        EXPECT_EQ(about.clientHeight, c.aboutHeight) << c.dpi;
        EXPECT_EQ(Find(about, Control::lblTitle).fontHeight, c.titleFont) << c.dpi;
    }
}

}  // namespace
