#include "platform/win32/TrayArea_win.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

namespace platform::win {
namespace {

static_assert(sizeof(TrayRecord::szTip) == sizeof(NOTIFYICONDATAW::szTip) / 2,
              "the first layout's tip: 64 characters of the 128 the newest has");
static_assert(sizeof(char16_t) == sizeof(WCHAR));
// The record's first layout, wide: 152 bytes in the 32-bit program (wider
// handles make it longer in a 64-bit build of the same code).  Every shell
// from Windows 2000 on takes it, and it needs no version call.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAW_V1_SIZE == 152);

}  // namespace

bool Win32TrayArea::ShellNotifyIcon(TrayMessage message, const TrayRecord& record) {
    NOTIFYICONDATAW data{};
    data.cbSize = NOTIFYICONDATAW_V1_SIZE;
    data.hWnd = AsHwnd(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = AsHicon(record.hIcon);
    std::memcpy(data.szTip, record.szTip.data(), sizeof(record.szTip));
    if (message == TrayMessage::Delete && !shell_.Loaded()) {
        return false;  // never talked to the shell, so there is no icon to take away
    }
    const auto notify = shell_.Entry<decltype(&::Shell_NotifyIconW)>("Shell_NotifyIconW");
    return notify && notify(static_cast<DWORD>(message), &data) != FALSE;
}

}  // namespace platform::win
