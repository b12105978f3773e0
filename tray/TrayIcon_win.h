// The icon itself: its record, the image made for the shell's size, the
// callbacks' version, the retries, and what a new taskbar needs.  The main
// window says when to add it and when to take it away.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/Handles_win.h"
#include "platform/win32/ShellLibrary_win.h"
#include "tray/TrayIcon.h"

namespace tray {

class TrayIcon {
  public:
    // tip: a literal, at most 63 characters; tickMilliseconds: the period of
    // the timer whose ticks drive the retries.
    TrayIcon(platform::win::ShellLibrary& shell, int iconResource, const wchar_t* tip,
             unsigned tickMilliseconds)
        : shell_(shell), iconResource_(iconResource), tip_(tip), retry_(tickMilliseconds) {}

    // A fresh record for the window, with an image for the shell's icon size
    // now (a new DPI may have changed it).
    void Add(HWND window, int dpi);
    // Harmless when there is no icon.
    void Delete();
    // A tick of the main window's timer: while the window is hidden, a
    // failed add is tried again.
    void Tick(bool windowVisible);

  private:
    bool Notify(DWORD message);
    void AskForCallbacks();

    platform::win::ShellLibrary& shell_;
    int iconResource_;
    const wchar_t* tip_;
    NOTIFYICONDATAW TrayData_{};
    platform::win::UniqueIcon image_;  // the newest made; the shell keeps its own copy
    AddRetry retry_;
};

}  // namespace tray
