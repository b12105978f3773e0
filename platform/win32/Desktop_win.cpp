#include "platform/win32/Desktop_win.h"

#include <windows.h>

#include <cwchar>
#include <optional>

#include "platform/win32/Encoding_win.h"
#include "platform/win32/Handles_win.h"

namespace platform::win {
namespace {

// The longest class name RegisterClass accepts, and its NUL.
constexpr int kClassNameChars = 257;
// Room for a desktop's name, and its NUL.
constexpr DWORD kDesktopNameChars = 256;

// Whether two desktops have one name; false where either can't be read.
bool SameName(HDESK a, HDESK b) {
    wchar_t nameA[kDesktopNameChars] = {};
    wchar_t nameB[kDesktopNameChars] = {};
    DWORD needed = 0;
    return a && b && ::GetUserObjectInformationW(a, UOI_NAME, nameA, sizeof nameA, &needed) &&
           ::GetUserObjectInformationW(b, UOI_NAME, nameB, sizeof nameB, &needed) &&
           std::wcscmp(nameA, nameB) == 0;
}

// Whether this thread's desktop takes the keyboard's input: not while the
// lock screen, the log-on screen or a UAC prompt has it (the secure desktop,
// which only the system may open).
bool OnTheInputDesktop() {
    const UniqueDesktop input(::OpenInputDesktop(0, FALSE, DESKTOP_READOBJECTS));
    return SameName(input.get(), ::GetThreadDesktop(::GetCurrentThreadId()));
}

// A process's integrity level: the last part of its token's mandatory label
// (0x2000 a standard run, 0x3000 an administrator's).  None where the token
// can't be read, or where Windows has no integrity levels (XP).
std::optional<DWORD> IntegrityLevel(HANDLE process) {
    HANDLE raw = nullptr;
    if (!::OpenProcessToken(process, TOKEN_QUERY, &raw)) {
        return std::nullopt;
    }
    const UniqueHandle token(raw);
    alignas(TOKEN_MANDATORY_LABEL)
        BYTE label[sizeof(TOKEN_MANDATORY_LABEL) + SECURITY_MAX_SID_SIZE] = {};
    DWORD size = 0;
    if (!::GetTokenInformation(token.get(), TokenIntegrityLevel, label, sizeof label, &size)) {
        return std::nullopt;
    }
    const PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(label)->Label.Sid;
    const UCHAR parts = *::GetSidSubAuthorityCount(sid);
    if (parts == 0) {
        return std::nullopt;
    }
    return *::GetSidSubAuthority(sid, parts - 1U);
}

// User Interface Privilege Isolation keeps the keyboard from a program while
// a window of a higher integrity level is in front.  A process that can't be
// asked (another user's, the system's) counts as higher.
bool NotAboveThisProgram(DWORD processId) {
    if (processId == ::GetCurrentProcessId()) {
        return true;
    }
    const std::optional<DWORD> ours = IntegrityLevel(::GetCurrentProcess());
    if (!ours) {
        return true;  // no integrity levels, no isolation
    }
    const UniqueHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    const std::optional<DWORD> theirs =
        process ? IntegrityLevel(process.get()) : std::optional<DWORD>();
    return theirs && *theirs <= *ours;
}

}  // namespace

std::int16_t Win32Desktop::GetAsyncKeyState(std::int32_t key) {
    return static_cast<std::int16_t>(::GetAsyncKeyState(key));
}

Handle Win32Desktop::GetForegroundWindow() {
    return AsHandle(::GetForegroundWindow());
}

// Opens the input desktop and the front window's process each time: the poll
// asks only when the window in front changes, or while none is.
bool Win32Desktop::KeysReadableOver(Handle window) {
    if (!OnTheInputDesktop()) {
        return false;
    }
    if (window == 0) {
        return true;  // nothing in front, on this desktop
    }
    DWORD processId = 0;
    return ::GetWindowThreadProcessId(AsHwnd(window), &processId) != 0 &&
           NotAboveThisProgram(processId);
}

std::uint32_t Win32Desktop::GetExtendedStyle(Handle window) {
    return static_cast<std::uint32_t>(::GetWindowLongA(AsHwnd(window), GWL_EXSTYLE));
}

bool Win32Desktop::SetWindowPos(Handle window, InsertAfter where, std::uint32_t flags) {
    return ::SetWindowPos(AsHwnd(window), reinterpret_cast<HWND>(static_cast<INT_PTR>(where)), 0, 0,
                          0, 0, flags) != FALSE;
}

std::string Win32Desktop::ClassName(Handle window) {
    wchar_t name[kClassNameChars] = {};
    const int length = ::GetClassNameW(AsHwnd(window), name, kClassNameChars);
    return length > 0 ? Narrow(std::wstring(name, static_cast<std::size_t>(length)))
                      : std::string();
}

Handle Win32Desktop::ShellWindow() {
    return AsHandle(::GetShellWindow());
}

Handle Win32Desktop::DesktopWindow() {
    return AsHandle(::GetDesktopWindow());
}

bool Win32Desktop::OnAnotherThread(Handle window) {
    const DWORD thread = ::GetWindowThreadProcessId(AsHwnd(window), nullptr);
    return thread != 0 && thread != ::GetCurrentThreadId();
}

// shell32 is loaded here at the first press over a window that may be
// toggled, not at the start; Windows XP has no such entry and says Unknown.
NotificationState Win32Desktop::UserNotificationState() {
    using QueryFn = HRESULT(WINAPI*)(int*);  // QUERY_USER_NOTIFICATION_STATE*, an enum
    const auto query = shell_.Entry<QueryFn>("SHQueryUserNotificationState");
    int state = 0;
    if (!query || FAILED(query(&state))) {
        return NotificationState::Unknown;
    }
    return static_cast<NotificationState>(state);
}

}  // namespace platform::win
