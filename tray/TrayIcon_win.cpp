#include "tray/TrayIcon_win.h"

#include <algorithm>
#include <cwchar>

#include "platform/win32/Window_win.h"

namespace tray {
namespace {

using platform::win::ProcAddress;
using platform::win::UniqueIcon;

static_assert(kCallbackVersion == NOTIFYICON_VERSION);
static_assert(event::kLButtonDown == WM_LBUTTONDOWN && event::kKeySelect == NIN_KEYSELECT &&
              event::kSelect == NIN_SELECT && event::kContextMenu == WM_CONTEXTMENU);
static_assert(kCallbackMessage == WM_APP + 1);
// The record's Windows 2000 layout, wide: every shell from Windows 2000 on
// takes it, and it is the first with uVersion, which NIM_SETVERSION reads.
// 936 bytes in the 32-bit program (wider handles make it longer in a 64-bit
// build of the same code).
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAW_V2_SIZE == 936);
static_assert(offsetof(NOTIFYICONDATAW, uVersion) < NOTIFYICONDATAW_V2_SIZE);
// The tip of the record's first layout: 64 characters of the 128 here.
constexpr std::size_t kTipChars = 64;

// At the small-icon size the shell asks for (LoadIconMetric, comctl32 6 from
// Vista on), or, where that is missing, the small-icon size of the DPI.
UniqueIcon NotificationIcon(int resource, int dpi) {
    using LoadIconMetricFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, HICON*);
    constexpr int kLimSmall = 0;  // LIM_SMALL
    // comctl32 is the program's own import (the manifest's version 6, which
    // alone has the function), so it is loaded already.
    const auto loadIconMetric =
        ProcAddress<LoadIconMetricFn>(::GetModuleHandleW(L"comctl32.dll"), "LoadIconMetric");
    HICON icon = nullptr;
    if (loadIconMetric && SUCCEEDED(loadIconMetric(::GetModuleHandleW(nullptr),
                                                   MAKEINTRESOURCEW(resource), kLimSmall, &icon))) {
        return UniqueIcon(icon);
    }
    return platform::win::LoadIconSized(resource,
                                        platform::win::SystemMetricForDpi(SM_CXSMICON, dpi));
}

}  // namespace

// Talks to the shell only once it has been loaded for an add: with none,
// there is no icon to delete.
bool TrayIcon::Notify(DWORD message) {
    if (message != NIM_ADD && !shell_.Loaded()) {
        return false;
    }
    const auto notify = shell_.Entry<decltype(&::Shell_NotifyIconW)>("Shell_NotifyIconW");
    return notify && notify(message, &TrayData_) != FALSE;
}

// The record is filled before the shell is asked, so its id identifies the
// icon's callbacks even when the shell reports the add as failed.  The tip
// is its text and a NUL, padded with blanks, as the record was always sent.
void TrayIcon::Add(HWND window, int dpi) {
    image_ = NotificationIcon(iconResource_, dpi);
    TrayData_ = NOTIFYICONDATAW{};
    TrayData_.cbSize = NOTIFYICONDATAW_V2_SIZE;
    TrayData_.hWnd = window;
    TrayData_.uID = kIconId;
    TrayData_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    TrayData_.uCallbackMessage = kCallbackMessage;
    TrayData_.hIcon = image_.get();
    const std::size_t length = std::min(std::wcslen(tip_), kTipChars - 1);
    std::copy_n(tip_, length, TrayData_.szTip);
    std::fill(TrayData_.szTip + length + 1, TrayData_.szTip + kTipChars, L' ');
    TrayData_.uVersion = kCallbackVersion;
    const bool added = Notify(NIM_ADD);
    if (added) {
        AskForCallbacks();
    }
    retry_.AfterAdd(added);
}

// The shell forgets the version with every add.  Should it refuse, the icon
// sends the first callbacks: the left button still brings the window back,
// the keyboard's selection doesn't.
void TrayIcon::AskForCallbacks() {
    (void)Notify(NIM_SETVERSION);
}

// An add fails for an icon the shell already shows (one whose add timed out,
// or one that outlived a taskbar announcement), so asking it to change that
// icon tells whether one is there: then the adds stop.
void TrayIcon::Tick(bool windowVisible) {
    if (!retry_.Due()) {
        return;
    }
    if (windowVisible) {
        retry_.Stop();
        return;
    }
    if (Notify(NIM_ADD) || Notify(NIM_MODIFY)) {
        AskForCallbacks();
        retry_.Stop();
    }
}

void TrayIcon::Delete() {
    retry_.Stop();
    (void)Notify(NIM_DELETE);  // with no icon there is nothing to take away
}

}  // namespace tray
