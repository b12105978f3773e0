// Hiding the main window in the notification area and bringing it back.
#include "app/frmPos.h"
#include "tray/TrayIcon.h"

namespace app {

// The record is filled before the shell is asked, so its id identifies the
// icon's notifications even when the shell reports the add as failed.
void frmPos::AddTrayIcon() {
    TrayData_ = tray::MakeRecord(ws_.MainWindow(), ws_.MainIcon(), ws_);
    trayRetry_.AfterAdd(ws_.ShellNotifyIcon(platform::TrayMessage::Add, TrayData_));
}

// A failed add is tried again while the window is hidden.  An add fails for
// an icon the shell already shows, so asking it to change that icon tells
// whether one is there: never a second icon.
void frmPos::RetryTrayIcon() {
    if (!trayRetry_.Due()) {
        return;
    }
    if (ws_.IsVisible()) {
        trayRetry_.Stop();
        return;
    }
    if (ws_.ShellNotifyIcon(platform::TrayMessage::Add, TrayData_) ||
        ws_.ShellNotifyIcon(platform::TrayMessage::Modify, TrayData_)) {
        trayRetry_.Stop();
    }
}

// Harmless when there is no icon.
void frmPos::DeleteTrayIcon() {
    trayRetry_.Stop();
    // The result doesn't matter: with no icon there is nothing to take away.
    (void)ws_.ShellNotifyIcon(platform::TrayMessage::Delete, TrayData_);
}

void frmPos::cmdMini_Click() {
    ws_.SetWindowState(WindowState::Minimised);
}

// Every way of minimising ends here: the button, the minimise box and the
// start-in-tray setting.
void frmPos::Form_Resize() {
    if (ws_.GetWindowState() == WindowState::Minimised) {
        AddTrayIcon();
        ws_.SetVisible(false);
    }
}

void frmPos::Form_MouseMove(const platform::MouseMove& event) {
    if (tray::IsRestoreRequest(event, TrayData_.uID) &&
        ws_.GetWindowState() != WindowState::Normal) {
        ws_.SetWindowState(WindowState::Normal);
        ws_.SetVisible(true);
        ws_.FocusMainWindow();
        DeleteTrayIcon();
    }
    // Anywhere on the window but the contact line, the link is at rest.
    ws_.SetForeColour(Control::LbQQ, link_.atRest);
}

// Explorer came back without our icon; a hidden window would be lost.
void frmPos::TaskbarCreated() {
    if (!ws_.IsVisible() && ws_.GetWindowState() == WindowState::Minimised) {
        AddTrayIcon();
    }
}

}  // namespace app
