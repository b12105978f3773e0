// frmPos, the program's main window: its state and its event handlers.
//
// The window itself is the window system's; this class is what it does.  Each
// handler runs to completion on the window thread before the next event.
#pragma once

#include <cstdint>
#include <optional>

#include "app/Colours.h"
#include "app/FormEvents.h"
#include "app/Roles.h"
#include "pin/KeyPresses.h"
#include "tray/TrayIcon.h"

namespace app {

// The handlers of the window's events and of its controls' are one object:
// they share the form-level state below.
class frmPos final : public FormEvents, public ControlEvents {
  public:
    explicit frmPos(const Roles& roles) : roles_(roles) {}

    // Start-up and shutdown.
    void Form_Load() override;
    void Form_Unload() override;

    // The hotkey poll.
    void Timer1_Timer() override;
    bool IsTopmost(platform::Handle hwnd);

    // The settings file.
    void CbAuto_Click() override;

    // Choosing the hotkey.
    void cmdSetKey_Click() override;
    void Text1_KeyUp(std::int16_t& keyCode) override;

    // The tray.
    void cmdMini_Click() override;
    void Form_Resize() override;
    void Form_MouseMove(const platform::MouseMove& event) override;
    void TaskbarCreated() override;
    void ShowRequested() override;

    // Help and the web links.
    void Command1_Click() override;
    void LbQQ_Click() override;
    void LbQQ_MouseMove(const platform::MouseMove& event) override;

    // The system's colours or the high-contrast setting changed: both
    // windows take these, and the contact line changes between its two.
    void ColoursChanged(const FormColours& colours) override;

    platform::Handle TargetWindow() const { return TargetWindow_; }
    std::int16_t HotKey() const { return HotKey_; }
    std::int16_t AutoTray() const { return AutoTray_; }

  private:
    // Whether the user hears of a save that loses a change: never at the
    // close, which log-off runs too, where a message would hold it up.
    enum class LostChange { Tell, StayQuiet };

    pin::KeyLook LookAtHotKey();
    void ForgetHotKeyPresses();
    void ApplyStoredSettings();
    void SaveConfig(LostChange lost = LostChange::Tell);
    void AddTrayIcon();
    void RetryTrayIcon();
    void DeleteTrayIcon();
    void RestoreFromTray();
    void ShowHotKeyName(std::int16_t key);
    void SetCbAutoValue(int value);

    Roles roles_;
    platform::Handle TargetWindow_ = 0;
    std::int16_t HotKey_ = 0;
    std::int16_t AutoTray_ = 0;
    platform::TrayRecord TrayData_{};
    pin::KeyPresses hotkeyPresses_;
    tray::AddRetry trayRetry_;
    bool saveFailureTold_ = false;  // at most once a run
    LinkColours link_;
    std::optional<AboutColours> aboutColours_;  // none heard yet: as designed
};

}  // namespace app
