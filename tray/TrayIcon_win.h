// The icon itself: its record, its image, its version, its retries.
#pragma once

#include "platform/win32/Handles_win.h"

#include <shellapi.h>

#include "tray/TrayIcon.h"

namespace tray {

class TrayIcon {
  public:
    // tip: a literal of at most 63 characters.
    TrayIcon(platform::win::LazyLibrary& shell, int iconResource, const wchar_t* tip,
             unsigned tickMilliseconds)
        : shell_(shell), iconResource_(iconResource), tip_(tip), retry_(tickMilliseconds) {}

    // A fresh image: a new DPI may have changed the size.
    void Add(HWND window, int dpi);
    void Delete() {  // harmless without an icon
        retry_.Stop();
        (void)Notify(NIM_DELETE);
    }
    void Tick(bool windowVisible);

  private:
    bool Notify(DWORD message);

    platform::win::LazyLibrary& shell_;
    int iconResource_;
    const wchar_t* tip_;
    NOTIFYICONDATAW TrayData_{};
    platform::win::UniqueIcon image_;  // the newest made; the shell keeps its own copy
    AddRetry retry_;
};

}  // namespace tray
