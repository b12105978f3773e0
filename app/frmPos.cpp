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
    const std::optional<settings::LoadedConfig> config = settings::LoadConfig(roles_.files);
    if (!config) {
        HotKey_ = settings::kDefaultHotKey;
        AutoTray_ = 0;
        return;  // the box keeps "F8" and stays unchecked
    }
    if (config->hotKey) {
        HotKey_ = *config->hotKey;
    }
    AutoTray_ = config->autoTray;
    // Changing the box raises its click event, which saves the settings again
    // with the values just read.
    if (AutoTray_ == 0) {
        roles_.controls.SetCheckValue(Control::CbAuto, 0);
    } else {
        roles_.controls.SetCheckValue(Control::CbAuto, 1);
        roles_.window.SetWindowState(platform::WindowState::Minimised);
    }
    ShowHotKeyName(HotKey_);
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
