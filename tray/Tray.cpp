#include "tray/Tray.h"

#include "platform/TrayArea.h"
#include "platform/WindowEvents.h"
#include "tray/TrayIcon.h"

namespace tray {

using platform::TrayMessage;
using platform::WindowState;

// Every fresh record carries an icon made for it: the shell's size for an
// icon may have changed since the last (a new DPI, for which Explorer
// announces the taskbar afresh too).  The record is filled before the shell
// is asked, so its id identifies the icon's notifications even when the
// shell reports the add as failed.
void Tray::AddIcon() {
    TrayData_ = MakeRecord(window_.MainWindow(), window_.MakeTrayIcon(), tip_);
    const bool added = area_.ShellNotifyIcon(TrayMessage::Add, TrayData_);
    if (added) {
        AskForCallbacks();
    }
    retry_.AfterAdd(added);
}

// Once the shell shows the icon, the icon asks for its version of the
// callbacks, which the shell forgets with every add.  Should the shell refuse,
// the icon sends the first ones: the left button still brings the window
// back, the keyboard's selection doesn't.
void Tray::AskForCallbacks() {
    (void)area_.ShellNotifyIcon(TrayMessage::SetVersion, TrayData_);
}

// A failed add is tried again while the window is hidden.  An add fails for
// an icon the shell already shows (one whose add timed out, or one that
// outlived a taskbar announcement), so asking it to change that icon tells
// whether one is there: then the adds stop.
void Tray::Tick() {
    if (!retry_.Due()) {
        return;
    }
    if (window_.IsVisible()) {
        retry_.Stop();
        return;
    }
    if (area_.ShellNotifyIcon(TrayMessage::Add, TrayData_) ||
        area_.ShellNotifyIcon(TrayMessage::Modify, TrayData_)) {
        AskForCallbacks();
        retry_.Stop();
    }
}

void Tray::DeleteIcon() {
    retry_.Stop();
    // The result doesn't matter: with no icon there is nothing to take away.
    (void)area_.ShellNotifyIcon(TrayMessage::Delete, TrayData_);
}

void Tray::Restore() {
    window_.SetWindowState(WindowState::Normal);
    window_.SetVisible(true);
    window_.FocusMainWindow();
    DeleteIcon();
}

void Tray::Minimise() {
    window_.SetWindowState(WindowState::Minimised);
}

void Tray::WindowResized() {
    if (window_.GetWindowState() == WindowState::Minimised) {
        AddIcon();
        window_.SetVisible(false);
    }
}

void Tray::MouseMoved(const platform::MouseMove& event) {
    if (IsRestoreRequest(event, TrayData_.uID) && window_.GetWindowState() != WindowState::Normal) {
        Restore();
    }
}

// A hidden window would be lost without its icon.
void Tray::TaskbarCreated() {
    if (!window_.IsVisible() && window_.GetWindowState() == WindowState::Minimised) {
        AddIcon();
    }
}

// The window comes back as from its tray icon, or, shown already, to the
// front.
void Tray::ShowRequested() {
    if (window_.GetWindowState() != WindowState::Normal) {
        Restore();
    } else {
        window_.FocusMainWindow();
    }
}

}  // namespace tray
