// The desktop, the tray, other programs, text and files: calls the handlers
// make of the system, passed on.
#include <windows.h>
#include <shellapi.h>

#include <cstring>

#include "platform/Files.h"
#include "platform/win32/Encoding_win.h"
#include "platform/win32/WindowSystem_win.h"

namespace platform::win {
namespace {

// MapVirtualKey's translation of a virtual-key code to the character it types.
constexpr UINT kMapVirtualKeyToChar = 2;   // MAPVK_VK_TO_CHAR
constexpr UINT kDeadKeyBit = 0x80000000u;  // set by MapVirtualKey for dead keys

static_assert(sizeof(TrayRecord::szTip) == 64);
// The record's first, ANSI layout: 88 bytes in the 32-bit program (wider
// handles make it longer in a 64-bit build of the same code).
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);

}  // namespace

// --- the keyboard and other programs' windows -------------------------------

std::int16_t Win32WindowSystem::GetAsyncKeyState(std::int32_t key) {
    return static_cast<std::int16_t>(::GetAsyncKeyState(key));
}

Handle Win32WindowSystem::GetForegroundWindow() {
    return AsHandle(::GetForegroundWindow());
}

std::uint32_t Win32WindowSystem::GetExtendedStyle(Handle window) {
    return static_cast<std::uint32_t>(::GetWindowLongA(AsHwnd(window), GWL_EXSTYLE));
}

bool Win32WindowSystem::SetWindowPos(Handle window, InsertAfter where, std::uint32_t flags) {
    return ::SetWindowPos(AsHwnd(window), reinterpret_cast<HWND>(static_cast<INT_PTR>(where)), 0, 0,
                          0, 0, flags) != FALSE;
}

// --- the tray ---------------------------------------------------------------

bool Win32WindowSystem::ShellNotifyIcon(TrayMessage message, const TrayRecord& record) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;  // the layout record.cbSize names
    data.hWnd = AsHwnd(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.hIcon);
    std::memcpy(data.szTip, record.szTip.data(), record.szTip.size());
    if (message == TrayMessage::Delete && !ShellLoaded()) {
        return false;  // never talked to the shell, so there is no icon to take away
    }
    const auto notify = ShellEntry<decltype(&::Shell_NotifyIconA)>("Shell_NotifyIconA");
    return notify && notify(static_cast<DWORD>(message), &data) != FALSE;
}

// --- other programs -----------------------------------------------------------

bool Win32WindowSystem::StartProcess(const std::string& application,
                                     const std::string& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    const std::wstring app = Widen(application);
    std::wstring line = Widen(commandLine);  // CreateProcessW may write into it
    if (!::CreateProcessW(app.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return false;
    }
    UniqueHandle thread(process.hThread);
    UniqueHandle child(process.hProcess);
    return true;
}

bool Win32WindowSystem::OpenInDefaultBrowser(const std::string& url) {
    constexpr INT_PTR kFirstSuccess = 33;  // ShellExecute returns > 32 on success
    const auto execute = ShellEntry<decltype(&::ShellExecuteW)>("ShellExecuteW");
    if (!execute) {
        return false;
    }
    com_.Enter();
    const HINSTANCE result =
        execute(MainHwnd(), L"open", Widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) >= kFirstSuccess;
}

// --- text -------------------------------------------------------------------

std::optional<std::string> Win32WindowSystem::AnsiCharacter(std::uint8_t code) {
    if (::IsDBCSLeadByte(code)) {
        return std::nullopt;
    }
    const char byte = static_cast<char>(code);
    wchar_t wide = 0;
    if (::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) != 1) {
        return std::nullopt;
    }
    return Narrow(std::wstring(1, wide));
}

std::optional<std::string> Win32WindowSystem::KeyboardCharacter(int key) {
    const UINT mapped =
        ::MapVirtualKeyW(static_cast<UINT>(key), kMapVirtualKeyToChar) & ~kDeadKeyBit;
    if (mapped == 0) {
        return std::nullopt;
    }
    return Narrow(std::wstring(1, static_cast<wchar_t>(mapped)));
}

std::string Win32WindowSystem::ToAnsi(const std::string& text) {
    return ToAnsiCodePage(text);
}

// --- files ------------------------------------------------------------------

bool Win32WindowSystem::NormalFileExists(const std::string& path) {
    return files::NormalFileExists(path);
}

std::optional<std::string> Win32WindowSystem::ReadFileHead(const std::string& path,
                                                           std::size_t maxBytes) {
    return files::ReadFileHead(path, maxBytes);
}

bool Win32WindowSystem::ReplaceFileContents(const std::string& path, const std::string& content) {
    return files::ReplaceFileContents(path, content);
}

}  // namespace platform::win
