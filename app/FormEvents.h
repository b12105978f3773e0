// The main window's events, one handler each, named after the control and
// the event: the window's own (and its timer's), and its controls'.  frmPos
// implements both; EventRouter raises them.
#pragma once

#include <cstdint>

#include "app/Colours.h"
#include "platform/WindowEvents.h"

namespace app {

class FormEvents {
  public:
    virtual ~FormEvents() = default;

    virtual void Form_Load() = 0;
    virtual void Form_Unload() = 0;
    virtual void Form_Resize() = 0;
    virtual void Form_MouseMove(const platform::MouseMove& event) = 0;
    virtual void Timer1_Timer() = 0;
    // The shell (Explorer) has started again and lost every tray icon.
    virtual void TaskbarCreated() = 0;
    // Another start of the program asks this one to show itself.
    virtual void ShowRequested() = 0;
    // The colours of the window's parts: as designed, or the system's under
    // high contrast.
    virtual void ColoursChanged(const FormColours& colours) = 0;
};

class ControlEvents {
  public:
    virtual ~ControlEvents() = default;

    virtual void cmdSetKey_Click() = 0;
    virtual void Text1_KeyUp(std::int16_t& keyCode) = 0;
    virtual void CbAuto_Click() = 0;
    virtual void cmdMini_Click() = 0;
    virtual void Command1_Click() = 0;
    virtual void LbQQ_Click() = 0;
    virtual void LbQQ_MouseMove(const platform::MouseMove& event) = 0;
};

}  // namespace app
