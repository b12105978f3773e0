// Which colour each part of the two windows is painted, with high contrast
// off and on, from the system's colours as the window system reports them.
#include "app/Colours.h"

#include <gtest/gtest.h>

namespace {

using app::FormColours;
using app::SystemColours;

// Windows' standard palette, High Contrast Black, and a custom theme whose
// four colours all differ, so that no part can take a neighbour's by mistake.
constexpr SystemColours kStandard{
    .window = 0xFFFFFF, .buttonFace = 0xF0F0F0, .windowText = 0x000000, .hotLight = 0xCC6600};
constexpr SystemColours kBlackTheme{
    .window = 0x000000, .buttonFace = 0x000000, .windowText = 0xFFFFFF, .hotLight = 0x00FFFF};
constexpr SystemColours kCustomTheme{
    .window = 0x101010, .buttonFace = 0x202020, .windowText = 0xE0E0E0, .hotLight = 0x40C0FF};

struct ColoursCase {
    const char* name;
    bool highContrast;
    SystemColours system;
    FormColours expected;
    friend void PrintTo(const ColoursCase& c, std::ostream* os) { *os << c.name; }
};

class ColoursTest : public testing::TestWithParam<ColoursCase> {};

TEST_P(ColoursTest, EachPartTakesItsColour) {
    const ColoursCase& c = GetParam();
    const FormColours colours = app::ColoursFor(c.highContrast, c.system);
    EXPECT_EQ(colours.mainBack, c.expected.mainBack);
    EXPECT_EQ(colours.checkBoxBack, c.expected.checkBoxBack);
    EXPECT_EQ(colours.checkBoxText, c.expected.checkBoxText);
    EXPECT_EQ(colours.link.atRest, c.expected.link.atRest);
    EXPECT_EQ(colours.link.underPointer, c.expected.link.underPointer);
    EXPECT_EQ(colours.about.back, c.expected.about.back);
    EXPECT_EQ(colours.about.labels, c.expected.about.labels);
    EXPECT_EQ(colours.about.help, c.expected.about.help);
}

// Fields: main window, check box, its text, link at rest and under the
// pointer; About window, its title and credit, its instructions.
INSTANTIATE_TEST_SUITE_P(
    Table, ColoursTest,
    testing::Values(
        // Off: as designed whatever the palette, but for the parts designed
        // in the system's colours (the check box's text, the About window's
        // face and instructions).
        ColoursCase{
            "OffStandard",
            false,
            kStandard,
            {0xFFC0C0, 0xFFC0C0, 0x000000, {0xFF0000, 0x0000FF}, {0xF0F0F0, 0x000000, 0x000000}}},
        ColoursCase{
            "OffCustomPalette",
            false,
            kCustomTheme,
            {0xFFC0C0, 0xFFC0C0, 0xE0E0E0, {0xFF0000, 0x0000FF}, {0x202020, 0x000000, 0xE0E0E0}}},
        // On: the theme's background, text and hyperlink colours only.
        ColoursCase{
            "OnBlack",
            true,
            kBlackTheme,
            {0x000000, 0x000000, 0xFFFFFF, {0x00FFFF, 0xFFFFFF}, {0x000000, 0xFFFFFF, 0xFFFFFF}}},
        ColoursCase{
            "OnCustom",
            true,
            kCustomTheme,
            {0x101010, 0x101010, 0xE0E0E0, {0x40C0FF, 0xE0E0E0}, {0x101010, 0xE0E0E0, 0xE0E0E0}}}),
    [](const testing::TestParamInfo<ColoursCase>& info) { return info.param.name; });

}  // namespace
