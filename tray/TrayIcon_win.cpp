#include "tray/TrayIcon_win.h"

#include <algorithm>
#include <cwchar>

#include "platform/win32/Window_win.h"

namespace tray {
namespace {

using platform::win::ProcAddress;
using platform::win::UniqueIcon;

static_assert(kCallbackVersion == NOTIFYICON_VERSION);
static_assert(kLButtonDown == WM_LBUTTONDOWN && kKeySelect == NIN_KEYSELECT);
static_assert(offsetof(NOTIFYICONDATAW, uVersion) < NOTIFYICONDATAW_V2_SIZE);
// The tip of the record's first layout: 64 characters of the 128 here.
constexpr std::size_t kTipChars = 64;

// The shell's small-icon size (comctl32 6's LoadIconMetric), else the DPI's.
UniqueIcon NotificationIcon(int resource, int dpi) {
    using LoadIconMetricFn = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, HICON*);
    constexpr int kLimSmall = 0;  // LIM_SMALL
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

// Before an add loaded shell32 there is no icon to talk of.
bool TrayIcon::Notify(DWORD message) {
    if (message != NIM_ADD && !shell_.Loaded()) {
        return false;
    }
    const auto notify = shell_.Entry<decltype(&::Shell_NotifyIconW)>("Shell_NotifyIconW");
    return notify && notify(message, &TrayData_) != FALSE;
}

// Filled first, so its callbacks are known even of an add reported failed.
void TrayIcon::Add(HWND window, int dpi) {
    image_ = NotificationIcon(iconResource_, dpi);
    TrayData_ = NOTIFYICONDATAW{};
    TrayData_.cbSize = NOTIFYICONDATAW_V2_SIZE;  // Windows 2000's: every shell since takes it
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
        // Forgotten with every add; refused, the left button still restores.
        (void)Notify(NIM_SETVERSION);
    }
    retry_.AfterAdd(added);
}

// An add fails for an icon shown already: a change that works tells so.
void TrayIcon::Tick(bool windowVisible) {
    if (!retry_.Due()) {
        return;
    }
    if (windowVisible) {
        retry_.Stop();
        return;
    }
    if (Notify(NIM_ADD) || Notify(NIM_MODIFY)) {
        (void)Notify(NIM_SETVERSION);
        retry_.Stop();
    }
}

}  // namespace tray
