#include "app/KeyName.h"

#include <gtest/gtest.h>

#include "tests/fakes/FakeWindowSystem.h"

namespace {

struct NameCase {
    int code;
    std::optional<std::string> name;
    friend void PrintTo(const NameCase& c, std::ostream* os) { *os << "code " << c.code; }
};

class KeyNameTest : public testing::TestWithParam<NameCase> {
  protected:
    fakes::FakeWindowSystem ws;
};

TEST_P(KeyNameTest, NamesTheKey) {
    const NameCase& c = GetParam();
    EXPECT_EQ(app::KeyName(static_cast<std::int16_t>(c.code), ws), c.name) << c.code;
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyNameTest,
    testing::Values(
        // The function keys by name, F13 and beyond by character.
        NameCase{112, "F1"}, NameCase{119, "F8"}, NameCase{121, "F10"}, NameCase{123, "F12"},
        NameCase{111, "o"}, NameCase{124, "|"},
        // Letters and digits are their own ASCII codes.
        NameCase{65, "A"}, NameCase{90, "Z"}, NameCase{48, "0"}, NameCase{57, "9"},
        // Control keys show their (unprintable) ANSI character: Shift is 16.
        NameCase{16, std::string(1, '\x10')}, NameCase{13, "\r"}, NameCase{32, " "},
        // Bytes that only lead a GBK pair: what the key types on the layout...
        NameCase{186, ";"}, NameCase{192, "`"}, NameCase{219, "["}, NameCase{222, "'"},
        // ...and failing that, the number.
        NameCase{229, "229"}, NameCase{255, "255"},
        // Codes outside 0 to 255 have no name.
        NameCase{256, std::nullopt}, NameCase{-1, std::nullopt}, NameCase{32767, std::nullopt}));

TEST(KeyNameAllCodes, EveryKeyOfTheKeyboardHasAVisibleName) {
    fakes::FakeWindowSystem ws;
    for (int code = 1; code <= 255; ++code) {
        const std::optional<std::string> name = app::KeyName(static_cast<std::int16_t>(code), ws);
        ASSERT_TRUE(name.has_value()) << code;
        EXPECT_FALSE(name->empty()) << code;
        // Valid UTF-8 all the way: the name survives the trip to GBK and back.
        EXPECT_TRUE(fakes::FakeWindowSystem::Convert(*name, "UTF-8", "UTF-16LE").has_value())
            << code;
    }
}

}  // namespace
