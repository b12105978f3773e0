#include "platform/win32/TrayArea_win.h"

#include <windows.h>
#include <shellapi.h>

#include <cstddef>
#include <cstring>

namespace platform::win {
namespace {

// The role's messages are the shell's own numbers: the call passes them on
// as they are, so each is tied to its NIM_* here.
static_assert(static_cast<DWORD>(TrayMessage::Add) == NIM_ADD);
static_assert(static_cast<DWORD>(TrayMessage::Modify) == NIM_MODIFY);
static_assert(static_cast<DWORD>(TrayMessage::Delete) == NIM_DELETE);
static_assert(static_cast<DWORD>(TrayMessage::SetVersion) == NIM_SETVERSION);
static_assert(nif::kMessage == NIF_MESSAGE && nif::kIcon == NIF_ICON && nif::kTip == NIF_TIP);
// What the callbacks carry, as the tray reads them.
static_assert(kTrayVersion2000 == NOTIFYICON_VERSION);
static_assert(wm::kMouseMove == WM_MOUSEMOVE && wm::kLButtonDown == WM_LBUTTONDOWN &&
              wm::kContextMenu == WM_CONTEXTMENU);
static_assert(nin::kSelect == NIN_SELECT && nin::kKeySelect == NIN_KEYSELECT);

static_assert(sizeof(TrayRecord::szTip) == sizeof(NOTIFYICONDATAW::szTip) / 2,
              "the first layout's tip: 64 characters of the 128 the later ones have");
static_assert(sizeof(char16_t) == sizeof(WCHAR));
// The record's Windows 2000 layout, wide, up to the version field and the
// balloon's (unused) fields: 936 bytes in the 32-bit program (wider handles
// make it longer in a 64-bit build of the same code).  Every shell from
// Windows 2000 on takes it, and it is the first layout with uVersion, which
// NIM_SETVERSION reads.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAW_V2_SIZE == 936);
static_assert(offsetof(NOTIFYICONDATAW, uVersion) < NOTIFYICONDATAW_V2_SIZE);

}  // namespace

bool Win32TrayArea::ShellNotifyIcon(TrayMessage message, const TrayRecord& record) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V2_SIZE;
    data.hWnd = AsHwnd(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = AsHicon(record.hIcon);
    std::memcpy(data.szTip, record.szTip.data(), sizeof(record.szTip));
    data.uVersion = record.uVersion;
    if (message == TrayMessage::Delete && !shell_.Loaded()) {
        return false;  // never talked to the shell, so there is no icon to take away
    }
    const auto notify = shell_.Entry<decltype(&::Shell_NotifyIconW)>("Shell_NotifyIconW");
    return notify && notify(static_cast<DWORD>(message), &data) != FALSE;
}

}  // namespace platform::win
