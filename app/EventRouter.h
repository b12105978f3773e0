// Which handler each event of the window system raises: a click of a
// control raises that control's click handler, a key released in the
// capture box its key-up handler, a pointer move over the contact line the
// line's own handler and any other move the window's; the system's colours
// give the colours of the window's parts.
#pragma once

#include "app/FormEvents.h"
#include "platform/WindowEvents.h"

namespace app {

class EventRouter final : public platform::WindowEvents {
  public:
    EventRouter(FormEvents& form, ControlEvents& controls) : form_(form), controls_(controls) {}

    void Load() override { form_.Form_Load(); }
    void Unload() override { form_.Form_Unload(); }
    void Resize() override { form_.Form_Resize(); }
    void Timer() override { form_.Timer1_Timer(); }
    void TaskbarCreated() override { form_.TaskbarCreated(); }
    void ShowRequested() override { form_.ShowRequested(); }
    void ColoursChanged(bool highContrast, const platform::SystemColours& system) override;
    void MouseMoved(const platform::MouseMove& event) override;
    void Clicked(int control) override;
    void KeyReleased(int control, int key) override;

  private:
    FormEvents& form_;
    ControlEvents& controls_;
};

}  // namespace app
