#include "settings/ConfigFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Case {
    const char* text;
    std::optional<std::int16_t> expected;
    friend void PrintTo(const Case& c, std::ostream* os) { *os << '"' << c.text << '"'; }
};

class ReadInteger16Test : public testing::TestWithParam<Case> {};

TEST_P(ReadInteger16Test, ReadsLikeTheBasicRuntime) {
    const Case& c = GetParam();
    EXPECT_EQ(settings::ReadInteger16(c.text), c.expected) << "text: \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Table, ReadInteger16Test,
    testing::Values(
        // What the program writes, and plain variations of it.
        Case{" 119 ", 119}, Case{"119", 119}, Case{"  65", 65}, Case{"65  ", 65}, Case{"0", 0},
        Case{" 1 ", 1},
        // Blanks, tabs and line feeds anywhere are ignored.
        Case{"1 1 9", 119}, Case{"\t119\t", 119}, Case{"11\n9", 119}, Case{"119\n1", 1191},
        // Signs.
        Case{"-3", -3}, Case{"- 3", -3}, Case{"+7", 7}, Case{"--3", 0}, Case{"+", 0},
        // Fractions floor towards minus infinity.
        Case{"65.9", 65}, Case{"1.5", 1}, Case{".5", 0}, Case{"-0.5", -1}, Case{"-3.2", -4},
        Case{"1.2.3", 1},
        // Exponents, E or D, only with digits after them.
        Case{"1e2", 100}, Case{"1E+2", 100}, Case{"2.5e1", 25}, Case{"1d2", 100}, Case{"5e-1", 0},
        Case{"1e", 1}, Case{"1e+", 1}, Case{"7ex", 7},
        // Radix prefixes.
        Case{"&H41", 65}, Case{"&h7f", 127}, Case{"&O17", 15}, Case{"&o8", 0}, Case{"&H1G", 1},
        Case{"&H", 0}, Case{"&17", 0}, Case{"& H 41", 65},
        // Nothing numeric at the start gives 0.
        Case{"", 0}, Case{"abc", 0}, Case{"F8", 0}, Case{"x65", 0}, Case{"65abc", 65},
        // The 16-bit limits, and past them.
        Case{"32767", 32767}, Case{"-32768", -32768}, Case{"32768", std::nullopt},
        Case{"-32769", std::nullopt}, Case{"70000", std::nullopt}, Case{"32767.9", 32767},
        Case{"&H8000", std::nullopt}, Case{"1e400", std::nullopt}, Case{"-32768.5", std::nullopt}));

TEST(LeadingNumber, MillionDigitsOverflowWithoutHanging) {
    const std::string digits(1000000, '9');
    EXPECT_FALSE(settings::LeadingNumber(digits).has_value());
    EXPECT_FALSE(settings::ReadInteger16("&H" + std::string(100000, 'F')).has_value());
}

TEST(LeadingNumber, StopsAtNulAndOtherBytes) {
    EXPECT_EQ(settings::ReadInteger16(std::string("12\0"
                                                  "34",
                                                  5)),
              12);
    EXPECT_EQ(settings::ReadInteger16("\xff\xfe"
                                      "65"),
              0);
}

}  // namespace
