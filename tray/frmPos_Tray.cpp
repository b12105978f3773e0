// Hiding the main window in the notification area and bringing it back.
#include "app/Control.h"
#include "app/Window.h"
#include "app/frmPos.h"
#include "platform/TrayArea.h"
#include "platform/WindowEvents.h"
#include "tray/TrayIcon.h"

namespace app {

// Every fresh record carries an icon made for it: the shell's size for an
// icon may have changed since the last (a new DPI, for which Explorer
// announces the taskbar afresh too).  The record is filled before the shell
// is asked, so its id identifies the icon's notifications even when the
// shell reports the add as failed.
void frmPos::AddTrayIcon() {
    TrayData_ = tray::MakeRecord(roles_.window.MainWindow(), roles_.window.MakeTrayIcon());
    trayRetry_.AfterAdd(roles_.tray.ShellNotifyIcon(platform::TrayMessage::Add, TrayData_));
}

// A failed add is tried again while the window is hidden.  An add fails for
// an icon the shell already shows (one whose add timed out, or one that
// outlived a taskbar announcement), so asking it to change that icon tells
// whether one is there: then the adds stop.
void frmPos::RetryTrayIcon() {
    if (!trayRetry_.Due()) {
        return;
    }
    if (roles_.window.IsVisible()) {
        trayRetry_.Stop();
        return;
    }
    if (roles_.tray.ShellNotifyIcon(platform::TrayMessage::Add, TrayData_) ||
        roles_.tray.ShellNotifyIcon(platform::TrayMessage::Modify, TrayData_)) {
        trayRetry_.Stop();
    }
}

// Harmless when there is no icon.
void frmPos::DeleteTrayIcon() {
    trayRetry_.Stop();
    // The result doesn't matter: with no icon there is nothing to take away.
    (void)roles_.tray.ShellNotifyIcon(platform::TrayMessage::Delete, TrayData_);
}

void frmPos::RestoreFromTray() {
    roles_.window.SetWindowState(WindowState::Normal);
    roles_.window.SetVisible(true);
    roles_.window.FocusMainWindow();
    DeleteTrayIcon();
}

void frmPos::cmdMini_Click() {
    roles_.window.SetWindowState(WindowState::Minimised);
}

// Every way of minimising ends here: the button, the minimise box and the
// start-in-tray setting.
void frmPos::Form_Resize() {
    if (roles_.window.GetWindowState() == WindowState::Minimised) {
        AddTrayIcon();
        roles_.window.SetVisible(false);
    }
}

void frmPos::Form_MouseMove(const platform::MouseMove& event) {
    if (tray::IsRestoreRequest(event, TrayData_.uID) &&
        roles_.window.GetWindowState() != WindowState::Normal) {
        RestoreFromTray();
    }
    // Anywhere on the window but the contact line, the link is at rest.
    roles_.controls.SetForeColour(Control::LbQQ, link_.atRest);
}

// Explorer came back without our icon (or announces the taskbar afresh at a
// new DPI); a hidden window would be lost.
void frmPos::TaskbarCreated() {
    if (!roles_.window.IsVisible() && roles_.window.GetWindowState() == WindowState::Minimised) {
        AddTrayIcon();
    }
}

// Another start: the window comes back as from its tray icon, or, shown
// already, to the front.
void frmPos::ShowRequested() {
    if (roles_.window.GetWindowState() != WindowState::Normal) {
        RestoreFromTray();
    } else {
        roles_.window.FocusMainWindow();
    }
}

}  // namespace app
