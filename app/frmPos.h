// frmPos, the program's main window: its event handlers, and the subsystems
// they hand the work to.
//
// The window itself is the window system's; this class is what it does.  Each
// handler runs to completion on the window thread before the next event: none
// of them runs the window system's message loop.
#pragma once

#include <cstdint>

#include "about/HelpLinks.h"
#include "app/Colours.h"
#include "app/FormEvents.h"
#include "app/Roles.h"
#include "hotkey/HotkeyCapture.h"
#include "pin/HotkeyPoll.h"
#include "settings/Settings.h"
#include "tray/Tray.h"

namespace app {

// The handlers of the window's events and of its controls' are one object;
// each subsystem owns its own state.
class frmPos final : public FormEvents, public ControlEvents {
  public:
    explicit frmPos(const Roles& roles);

    void Form_Load() override;
    void Form_Unload() override;
    void Timer1_Timer() override;
    void cmdSetKey_Click() override;
    void Text1_KeyUp(std::int16_t& keyCode) override;
    void CbAuto_Click() override;
    void cmdMini_Click() override;
    void Form_Resize() override;
    void Form_MouseMove(const platform::MouseMove& event) override;
    void TaskbarCreated() override;
    void ShowRequested() override;
    void Command1_Click() override;
    void LbQQ_Click() override;
    void LbQQ_MouseMove(const platform::MouseMove& event) override;
    void ColoursChanged(const FormColours& colours) override;

    bool IsTopmost(platform::Handle hwnd) { return poll_.IsTopmost(hwnd); }

    // The form-level state the handlers share.
    std::int16_t HotKey() const { return poll_.HotKey(); }
    std::int16_t AutoTray() const { return AutoTray_; }
    platform::Handle TargetWindow() const { return poll_.TargetWindow(); }

  private:
    void ApplyStoredSettings();
    void SetCbAutoValue(bool checked);
    void ShowHotKeyName(std::int16_t key);
    void SaveConfig(settings::LostChange lost = settings::LostChange::Tell);

    Roles roles_;
    std::int16_t AutoTray_ = 0;  // as read at start-up
    pin::HotkeyPoll poll_;
    tray::Tray tray_;
    settings::Settings settings_;
    hotkey::HotkeyCapture capture_;
    about::HelpLinks help_;
};

}  // namespace app
