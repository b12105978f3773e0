// Which handler each event of the window system raises.
#include "app/EventRouter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frmPos.h"
#include "platform/Control.h"
#include "tests/fakes/FakeRoles.h"

namespace {

using platform::Control;
using platform::ControlId;
using platform::WindowState;

// Records the handlers raised, by name.
class RecordingForm final : public app::FormEvents, public app::ControlEvents {
  public:
    std::vector<std::string> raised;
    std::int16_t lastKey = 0;

    void Form_Load() override { raised.push_back("Form_Load"); }
    void Form_Unload() override { raised.push_back("Form_Unload"); }
    void Form_Resize() override { raised.push_back("Form_Resize"); }
    void Form_MouseMove(const platform::MouseMove&) override { raised.push_back("Form_MouseMove"); }
    void Timer1_Timer() override { raised.push_back("Timer1_Timer"); }
    void cmdSetKey_Click() override { raised.push_back("cmdSetKey_Click"); }
    void Text1_KeyUp(std::int16_t& keyCode) override {
        raised.push_back("Text1_KeyUp");
        lastKey = keyCode;
    }
    void CbAuto_Click() override { raised.push_back("CbAuto_Click"); }
    void cmdMini_Click() override { raised.push_back("cmdMini_Click"); }
    void Command1_Click() override { raised.push_back("Command1_Click"); }
    void LbQQ_Click() override { raised.push_back("LbQQ_Click"); }
    void LbQQ_MouseMove(const platform::MouseMove&) override { raised.push_back("LbQQ_MouseMove"); }
    void TaskbarCreated() override { raised.push_back("TaskbarCreated"); }
    void ShowRequested() override { raised.push_back("ShowRequested"); }
    void ColoursChanged(const app::FormColours&) override { raised.push_back("ColoursChanged"); }
};

TEST(EventRouterTest, AClickRaisesThatControlsHandler) {
    const struct {
        Control control;
        const char* handler;  // none: the control has no click
    } cases[] = {
        {Control::cmdSetKey, "cmdSetKey_Click"},
        {Control::cmdMini, "cmdMini_Click"},
        {Control::CbAuto, "CbAuto_Click"},
        {Control::Command1, "Command1_Click"},
        {Control::LbQQ, "LbQQ_Click"},
        {Control::Text1, nullptr},
        {Control::picIcon, nullptr},
        {Control::LbHelp, nullptr},
    };
    for (const auto& c : cases) {
        RecordingForm form;
        app::EventRouter router(form, form);
        router.Clicked(ControlId(c.control));
        const std::vector<std::string> expected =
            c.handler ? std::vector<std::string>{c.handler} : std::vector<std::string>{};
        EXPECT_EQ(form.raised, expected) << static_cast<int>(c.control);
    }
}

// The window's own events, each to its one handler.
TEST(EventRouterTest, TheWindowsEventsRaiseTheirHandlers) {
    const struct {
        void (app::EventRouter::*event)();
        const char* handler;
    } cases[] = {
        {&app::EventRouter::Load, "Form_Load"},
        {&app::EventRouter::Unload, "Form_Unload"},
        {&app::EventRouter::Resize, "Form_Resize"},
        {&app::EventRouter::Timer, "Timer1_Timer"},
        {&app::EventRouter::TaskbarCreated, "TaskbarCreated"},
        {&app::EventRouter::ShowRequested, "ShowRequested"},
    };
    for (const auto& c : cases) {
        RecordingForm form;
        app::EventRouter router(form, form);
        (router.*c.event)();
        EXPECT_EQ(form.raised, std::vector<std::string>{c.handler}) << c.handler;
    }
}

// The two the window system raises for other programs, through the router
// to the real handlers: Explorer started again (its tray lost every icon),
// and a second start asking this one to show itself.  A new taskbar gets
// the hidden window's icon back and shows nothing; the request brings the
// window back from the tray.
TEST(EventRouterTest, ANewTaskbarAndAShowRequestReachTheirHandlers) {
    fakes::FakeRoles fake;
    app::frmPos form(fake.Roles());
    fake.Connect(form);
    app::EventRouter router(form, form);
    router.Load();
    router.Clicked(ControlId(Control::cmdMini));
    ASSERT_FALSE(fake.window.IsVisible());
    ASSERT_EQ(fake.tray.trayIcons.size(), 1u);

    fake.tray.trayIcons.clear();  // Explorer restarted
    router.TaskbarCreated();
    EXPECT_EQ(fake.tray.trayIcons.size(), 1u) << "the icon is back";
    EXPECT_FALSE(fake.window.IsVisible()) << "and the window still hidden behind it";

    router.ShowRequested();
    EXPECT_TRUE(fake.window.IsVisible());
    EXPECT_EQ(fake.window.GetWindowState(), WindowState::Normal);
    EXPECT_TRUE(fake.window.mainFocused);
    EXPECT_TRUE(fake.tray.trayIcons.empty());
}

TEST(EventRouterTest, KeysReleasedInTheBoxAloneAreItsKeyUp) {
    RecordingForm form;
    app::EventRouter router(form, form);
    router.KeyReleased(ControlId(Control::cmdSetKey), 65);
    EXPECT_TRUE(form.raised.empty());
    router.KeyReleased(ControlId(Control::Text1), 116);
    EXPECT_EQ(form.raised, std::vector<std::string>{"Text1_KeyUp"});
    EXPECT_EQ(form.lastKey, 116);
}

// Over the contact line its own handler; over any other label nothing (the
// About window's labels are not the main window's); elsewhere the window's,
// which also hears the tray icon's callbacks.
TEST(EventRouterTest, PointerMovesGoToTheLineOrTheWindow) {
    const struct {
        std::optional<int> label;
        std::vector<std::string> raised;
    } cases[] = {
        {ControlId(Control::LbQQ), {"LbQQ_MouseMove"}},
        {std::nullopt, {"Form_MouseMove"}},
        {ControlId(Control::LbHelp), {}},
    };
    for (const auto& c : cases) {
        RecordingForm form;
        app::EventRouter router(form, form);
        platform::MouseMove move;
        move.label = c.label;
        router.MouseMoved(move);
        EXPECT_EQ(form.raised, c.raised);
    }
}

}  // namespace
