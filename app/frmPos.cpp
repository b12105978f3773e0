#include "app/frmPos.h"

#include <cstdint>

#include "app/Colours.h"
#include "app/Roles.h"
#include "app/version.h"
#include "hotkey/HotkeyCapture.h"
#include "pin/HotkeyPoll.h"
#include "platform/Window.h"
#include "platform/WindowEvents.h"
#include "settings/Settings.h"

namespace app {
namespace {

using platform::InstanceLock;

// Another instance holds the lock: it took it first, or it runs as
// administrator and this one doesn't.
bool AnotherInstanceRuns(InstanceLock lock) {
    return lock == InstanceLock::AlreadyTaken || lock == InstanceLock::AccessDenied;
}

}  // namespace

frmPos::frmPos(const Roles& roles)
    : roles_(roles),
      poll_(roles.desktop, roles.window, roles.highlight),
      tray_(roles.tray, roles.window, u"" ORVANE_PRODUCT, pin::kPollMilliseconds),
      settings_(roles.files, roles.controls),
      capture_(roles.controls),
      help_(roles.help, roles.controls) {}

// --- what each event does ----------------------------------------------------

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
}

void frmPos::Form_Unload() {
    tray_.DeleteIcon();
    SaveConfig(settings::LostChange::StayQuiet);
    // An About window left open keeps the process, not the lock; released
    // after the save, so that a new start reads what was saved.
    roles_.window.ReleaseInstanceLock();
}

// The poll is the program's only clock; a tray icon the shell wasn't ready
// for rides on it.
void frmPos::Timer1_Timer() {
    tray_.Tick();
    poll_.Tick();
}

// The file is written when capturing starts as well as when it ends.
void frmPos::cmdSetKey_Click() {
    if (capture_.Click() != hotkey::ClickOutcome::Rejected) {
        SaveConfig();
    }
}

// The key is live from the next tick on, before the button confirms it; its
// name replaces whatever the key typed into the box.  A key an input method
// took for itself leaves everything as it was.  The press that chose the key
// is forgotten once it is the hotkey: forgotten before, the poll would
// forget the old key and find the new one's "pressed since" bit.
void frmPos::Text1_KeyUp(std::int16_t& keyCode) {
    if (!hotkey::IsCapturable(keyCode)) {
        return;
    }
    poll_.SetHotKey(keyCode);
    poll_.Forget();
    ShowHotKeyName(keyCode);
}

// Raised for the user's clicks and for every change the program makes.
void frmPos::CbAuto_Click() {
    SaveConfig();
}

void frmPos::cmdMini_Click() {
    tray_.Minimise();
}

void frmPos::Form_Resize() {
    tray_.WindowResized();
}

// Anywhere on the window but the contact line, the link is at rest.
void frmPos::Form_MouseMove(const platform::MouseMove& event) {
    tray_.MouseMoved(event);
    help_.PointerOffLink();
}

void frmPos::TaskbarCreated() {
    tray_.TaskbarCreated();
}

void frmPos::ShowRequested() {
    tray_.ShowRequested();
}

void frmPos::Command1_Click() {
    help_.ShowHelp();
}

void frmPos::LbQQ_Click() {
    help_.OpenShop();
}

void frmPos::LbQQ_MouseMove(const platform::MouseMove& /*event*/) {
    help_.PointerOnLink();
}

// The system's colours or the high-contrast setting changed: both windows
// take these, and the contact line changes between its two.
void frmPos::ColoursChanged(const FormColours& colours) {
    ColourMainWindow(roles_.controls, colours);
    help_.ColoursChanged(colours.link, colours.about);
}

}  // namespace app
