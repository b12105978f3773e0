#include "app/KeyName.h"

#include <gtest/gtest.h>

#include "tests/app/KeyNameCases.h"
#include "tests/fakes/FakeText.h"

namespace {

TEST(KeyNameTest, NamesTheKey) {
    fakes::FakeText text;
    for (const tests::KeyNameCase& c : tests::KeyNameCases()) {
        EXPECT_EQ(app::KeyName(static_cast<std::int16_t>(c.code), text), c.name) << c.code;
    }
}

TEST(KeyNameAllCodes, EveryKeyOfTheKeyboardHasAVisibleName) {
    fakes::FakeText text;
    for (int code = 1; code <= 255; ++code) {
        const std::optional<std::string> name = app::KeyName(static_cast<std::int16_t>(code), text);
        ASSERT_TRUE(name.has_value()) << code;
        EXPECT_FALSE(name->empty()) << code;
        // Valid UTF-8 all the way: the name survives the trip to GBK and back.
        EXPECT_TRUE(fakes::FakeText::Convert(*name, "UTF-8", "UTF-16LE").has_value()) << code;
    }
}

}  // namespace
