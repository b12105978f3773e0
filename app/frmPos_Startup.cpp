// The main window's start-up steps and the helpers its handlers share: the
// stored settings applied in their order, the check box set as the user would
// set it, the key's name shown, the settings saved.
#include "app/frmPos.h"

#include <cstdint>
#include <optional>
#include <string>

#include "app/KeyName.h"
#include "platform/Control.h"
#include "platform/Window.h"
#include "platform/WindowEvents.h"
#include "settings/ConfigFile.h"
#include "settings/Settings.h"

namespace app {

using platform::Control;

void frmPos::ApplyStoredSettings() {
    const std::optional<settings::StartSettings> stored = settings_.Load();
    const settings::StartSettings start = stored.value_or(settings::StartSettings{});
    poll_.SetHotKey(start.hotKey);
    // The timer already runs: whatever the key did before the program ran
    // is forgotten before anything can show a message box, whose loop runs
    // ticks (the check box's save below may show one).
    poll_.Forget();
    AutoTray_ = start.autoTray;
    if (!stored) {
        return;  // the box keeps "F8" and stays unchecked
    }
    // Changing the box raises its click event, which saves the settings again
    // with the values just read.
    if (AutoTray_ == 0) {
        SetCbAutoValue(false);
    } else {
        SetCbAutoValue(true);
        roles_.window.SetWindowState(platform::WindowState::Minimised);
    }
    ShowHotKeyName(poll_.HotKey());
}

// A check box raises its click event whenever its value changes, whoever
// changes it: the window system raises it for the user, this for the program.
void frmPos::SetCbAutoValue(bool checked) {
    const bool changed = roles_.controls.IsChecked(Control::CbAuto) != checked;
    roles_.controls.SetChecked(Control::CbAuto, checked);
    if (changed) {
        CbAuto_Click();
    }
}

void frmPos::ShowHotKeyName(std::int16_t key) {
    // A code with no name (outside 0 to 255) leaves the box as it is.
    if (const std::optional<std::string> name = KeyName(key, roles_.text)) {
        roles_.controls.SetText(Control::Text1, *name);
    }
}

void frmPos::SaveConfig(settings::LostChange lost) {
    settings_.Save(poll_.HotKey(), lost);
}

}  // namespace app
