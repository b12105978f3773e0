// Choosing the hotkey: the two-state button and the capture box.
#include <gtest/gtest.h>

#include "app/frmPos.h"
#include "hotkey/HotkeyCapture.h"
#include "tests/app/KeyNameCases.h"
#include "tests/fakes/FakeRoles.h"

namespace {

using platform::Control;

class HotkeyCaptureTest : public testing::Test {
  protected:
    HotkeyCaptureTest() {
        fake.Connect(form);
        form.Form_Load();
    }
    void ReleaseKey(int code) {
        std::int16_t key = static_cast<std::int16_t>(code);
        form.Text1_KeyUp(key);
    }
    bool Capturing() { return fake.controls.enabled[Control::Text1]; }

    fakes::FakeRoles fake;
    app::frmPos form{fake.Roles()};
};

TEST_F(HotkeyCaptureTest, ClickKeyClickChoosesTheKeyAndSavesTwice) {
    form.cmdSetKey_Click();
    EXPECT_TRUE(Capturing());
    EXPECT_EQ(fake.controls.texts[Control::cmdSetKey], "确定");
    EXPECT_EQ(fake.controls.focused, Control::Text1);
    EXPECT_EQ(fake.files.ReadConfig(), " 119 \r\n 0 \r\n") << "saved when capturing starts";

    ReleaseKey(65);
    EXPECT_EQ(form.HotKey(), 65) << "live before it is confirmed";
    EXPECT_EQ(fake.controls.texts[Control::Text1], "A");
    EXPECT_EQ(fake.files.ReadConfig(), " 119 \r\n 0 \r\n") << "a key alone saves nothing";

    form.cmdSetKey_Click();
    EXPECT_FALSE(Capturing());
    EXPECT_EQ(fake.controls.texts[Control::cmdSetKey], "设置热键");
    EXPECT_EQ(fake.files.ReadConfig(), " 65 \r\n 0 \r\n");
    EXPECT_EQ(fake.Count("ReplaceFileContents"), 2);
}

// Any key becomes the hotkey; the box shows its name, or keeps what it
// showed for a code without one.  An input method's own key changes nothing.
TEST_F(HotkeyCaptureTest, KeysAndTheirNames) {
    form.cmdSetKey_Click();
    for (const tests::KeyNameCase& c : tests::KeyNameCases()) {
        const std::int16_t keyBefore = form.HotKey();
        const std::string before = fake.controls.texts[Control::Text1];
        const std::optional<std::string> fileBefore = fake.files.ReadConfig();
        ReleaseKey(c.code);
        if (c.ignoredByTheBox) {
            EXPECT_EQ(form.HotKey(), keyBefore) << c.code;
            EXPECT_EQ(fake.controls.texts[Control::Text1], before) << c.code;
        } else {
            EXPECT_EQ(form.HotKey(), static_cast<std::int16_t>(c.code));
            EXPECT_EQ(fake.controls.texts[Control::Text1], c.name.value_or(before)) << c.code;
        }
        EXPECT_EQ(fake.files.ReadConfig(), fileBefore) << c.code;
    }
}

TEST_F(HotkeyCaptureTest, TheKeyReplacesWhateverWasTyped) {
    form.cmdSetKey_Click();
    fake.controls.texts[Control::Text1] = "F8aaa";
    ReleaseKey(66);
    EXPECT_EQ(fake.controls.texts[Control::Text1], "B");
}

TEST_F(HotkeyCaptureTest, EmptyBoxIsRejectedAndCaptureGoesOn) {
    form.cmdSetKey_Click();
    const int savesBefore = fake.Count("ReplaceFileContents");
    fake.controls.texts[Control::Text1] = "";  // cut with the mouse
    form.cmdSetKey_Click();
    EXPECT_EQ(fake.controls.messageBoxes, std::vector<std::string>{"按键无效，请重新设置！"});
    EXPECT_TRUE(Capturing());
    EXPECT_EQ(fake.controls.texts[Control::cmdSetKey], "确定");
    EXPECT_EQ(fake.Count("ReplaceFileContents"), savesBefore);

    ReleaseKey(67);  // a key puts things right
    form.cmdSetKey_Click();
    EXPECT_FALSE(Capturing());
    EXPECT_EQ(fake.files.ReadConfig(), " 67 \r\n 0 \r\n");
}

TEST_F(HotkeyCaptureTest, EmptyBoxWhileIdleJustStartsCapturing) {
    // Only "确定" with an empty box is an invalid key.
    fake.controls.texts[Control::Text1] = "";
    form.cmdSetKey_Click();
    EXPECT_TRUE(fake.controls.messageBoxes.empty());
    EXPECT_TRUE(Capturing());
}

TEST_F(HotkeyCaptureTest, SaveKeepsTheCheckBox) {
    fake.controls.checks[Control::CbAuto] = true;
    form.cmdSetKey_Click();
    EXPECT_EQ(fake.files.ReadConfig(), " 119 \r\n 1 \r\n");
}

}  // namespace
