// Both windows laid out from their twips at the DPIs Windows offers.
#include "platform/FormLayout.h"

#include <gtest/gtest.h>

#include <ostream>
#include <utility>
#include <vector>

#include "about/AboutForm.h"
#include "app/MainForm.h"

namespace platform {

void PrintTo(const PixelRect& r, std::ostream* os) {
    *os << '{' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << '}';
}

}  // namespace platform

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

// Every control of both windows, and no other, where the window system puts
// it: at 120 dpi, where most twips fall between two pixels.
TEST(FormLayoutTest, EveryControlOfBothWindowsAt120Dpi) {
    using Placed = std::vector<std::pair<int, PixelRect>>;
    const auto placed = [](const platform::FormDef& form) {
        Placed controls;
        for (const auto& c : platform::LayoutAt(form, 120, 40).controls) {
            controls.emplace_back(c.id, c.rect);
        }
        return controls;
    };
    EXPECT_EQ(placed(app::kFrmPos), (Placed{{ControlId(Control::Text1), {146, 11, 181, 44}},
                                            {ControlId(Control::cmdSetKey), {15, 11, 141, 42}},
                                            {ControlId(Control::cmdMini), {229, 11, 295, 42}},
                                            {ControlId(Control::CbAuto), {203, 79, 362, 105}},
                                            {ControlId(Control::Command1), {300, 11, 366, 42}},
                                            {ControlId(Control::LbQQ), {19, 53, 360, 71}}}));
    // The picture box takes its picture's size (the icon's, 40 pixels) once,
    // not scaled again.
    EXPECT_EQ(placed(about::kFrmAbout),
              (Placed{{ControlId(Control::picIcon), {581, 15, 621, 55}},
                      {ControlId(Control::lblDescription), {281, 98, 695, 126}},
                      {ControlId(Control::lblTitle), {289, 23, 613, 63}},
                      {ControlId(Control::LbHelp), {304, 150, 625, 246}}}));
}

// Client sizes, the picture and the four font sizes at each DPI; 10.5 pt
// falls on half a pixel at 120 and 168 dpi, and rounds up there.
TEST(FormLayoutTest, BothWindowsAtEveryDpi) {
    const struct {
        int dpi;
        int iconSide;  // SM_CXICON at that DPI
        int mainWidth, mainHeight;
        int aboutWidth, aboutHeight;
        PixelRect picture;  // picIcon: at 6975, 180, its picture's size
        int defaultFont;    // CbAuto: the form's default, 宋体 9 pt
        int contactFont;    // LbQQ: 仿宋 10.5 pt
        int buttonFont;     // 宋体 12 pt
        int titleFont;      // 隶书 15 pt
    } cases[] = {
        {96, 32, 306, 89, 531, 199, {465, 12, 497, 44}, -12, -14, -16, -20},
        {120, 40, 383, 111, 664, 249, {581, 15, 621, 55}, -15, -18, -20, -25},
        {144, 48, 459, 134, 797, 299, {698, 18, 746, 66}, -18, -21, -24, -30},
        {168, 56, 536, 156, 929, 348, {814, 21, 870, 77}, -21, -25, -28, -35},
        {192, 64, 612, 178, 1062, 398, {930, 24, 994, 88}, -24, -28, -32, -40},
    };
    for (const auto& c : cases) {
        const platform::FormLayout main = platform::LayoutAt(app::kFrmPos, c.dpi, c.iconSide);
        EXPECT_EQ(main.clientWidth, c.mainWidth) << c.dpi;
        EXPECT_EQ(main.clientHeight, c.mainHeight) << c.dpi;
        EXPECT_EQ(Find(main, Control::CbAuto).fontHeight, c.defaultFont) << c.dpi;
        EXPECT_EQ(Find(main, Control::LbQQ).fontHeight, c.contactFont) << c.dpi;
        EXPECT_EQ(Find(main, Control::cmdSetKey).fontHeight, c.buttonFont) << c.dpi;

        const platform::FormLayout about = platform::LayoutAt(about::kFrmAbout, c.dpi, c.iconSide);
        EXPECT_EQ(about.clientWidth, c.aboutWidth) << c.dpi;
        EXPECT_EQ(about.clientHeight, c.aboutHeight) << c.dpi;
        EXPECT_EQ(Find(about, Control::picIcon).rect, c.picture) << c.dpi;
        EXPECT_EQ(Find(about, Control::lblTitle).fontHeight, c.titleFont) << c.dpi;
    }
}

}  // namespace
