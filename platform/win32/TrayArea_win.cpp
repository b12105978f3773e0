#include "platform/win32/TrayArea_win.h"

#include <windows.h>
#include <shellapi.h>

#include <cstring>

namespace platform::win {
namespace {

static_assert(sizeof(TrayRecord::szTip) == 64);
// The record's first, ANSI layout: 88 bytes in the 32-bit program (wider
// handles make it longer in a 64-bit build of the same code).
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);

}  // namespace

bool Win32TrayArea::ShellNotifyIcon(TrayMessage message, const TrayRecord& record) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;  // the layout record.cbSize names
    data.hWnd = AsHwnd(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.hIcon);
    std::memcpy(data.szTip, record.szTip.data(), record.szTip.size());
    if (message == TrayMessage::Delete && !shell_.Loaded()) {
        return false;  // never talked to the shell, so there is no icon to take away
    }
    const auto notify = shell_.Entry<decltype(&::Shell_NotifyIconA)>("Shell_NotifyIconA");
    return notify && notify(static_cast<DWORD>(message), &data) != FALSE;
}

}  // namespace platform::win
