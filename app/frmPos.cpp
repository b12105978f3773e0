#include "app/frmPos.h"

#include <cstdint>
#include <optional>
#include <string>

#include "app/Control.h"
#include "app/KeyName.h"
#include "app/Window.h"
#include "platform/WindowEvents.h"
#include "settings/ConfigFile.h"

namespace app {
namespace {

// Another instance holds the lock: it took it first, or it runs as
// administrator and this one doesn't.
bool AnotherInstanceRuns(InstanceLock lock) {
    return lock == InstanceLock::AlreadyTaken || lock == InstanceLock::AccessDenied;
}

}  // namespace

void frmPos::Form_Load() {
    if (AnotherInstanceRuns(roles_.window.TakeInstanceLock())) {
        // The user who starts the program again is looking for it, hidden
        // in the tray or behind other windows: the running instance shows
        // itself.  Its settings stay untouched.
        roles_.window.AskRunningInstanceToShow();
        roles_.window.EndInstance();
        return;
    }
    ApplyStoredSettings();
    ForgetHotKeyPresses();
}

void frmPos::ApplyStoredSettings() {
    const std::optional<settings::StartSettings> stored = settings::LoadConfig(roles_.files);
    const settings::StartSettings start = stored.value_or(settings::StartSettings{});
    HotKey_ = start.hotKey;
    AutoTray_ = start.autoTray;
    if (!stored) {
        return;  // the box keeps "F8" and stays unchecked
    }
    // Changing the box raises its click event, which saves the settings again
    // with the values just read.
    if (AutoTray_ == 0) {
        SetCbAutoValue(0);
    } else {
        SetCbAutoValue(1);
        roles_.window.SetWindowState(platform::WindowState::Minimised);
    }
    ShowHotKeyName(HotKey_);
}

// A check box raises its click event whenever its value changes, whoever
// changes it: the window system raises it for the user, this for the program.
void frmPos::SetCbAutoValue(int value) {
    const bool changed = roles_.controls.GetCheckValue(Control::CbAuto) != value;
    roles_.controls.SetCheckValue(Control::CbAuto, value);
    if (changed) {
        CbAuto_Click();
    }
}

void frmPos::Form_Unload() {
    DeleteTrayIcon();
    SaveConfig(LostChange::StayQuiet);
    // An About window left open keeps the process, not the lock; released
    // after the save, so that a new start reads what was saved.
    roles_.window.ReleaseInstanceLock();
}

void frmPos::ShowHotKeyName(std::int16_t key) {
    // A code with no name (outside 0 to 255) leaves the box as it is.
    if (const std::optional<std::string> name = KeyName(key, roles_.text)) {
        roles_.controls.SetText(Control::Text1, *name);
    }
}

}  // namespace app
