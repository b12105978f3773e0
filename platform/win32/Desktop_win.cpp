#include "platform/win32/Desktop_win.h"

#include <cwchar>
#include <optional>

namespace platform::win {
namespace {

constexpr int kClassNameChars = 257;      // the longest RegisterClass takes, and a NUL
constexpr DWORD kDesktopNameChars = 256;  // a desktop's name, and a NUL

// False where either name can't be read.
bool SameName(HDESK a, HDESK b) {
    wchar_t nameA[kDesktopNameChars] = {};
    wchar_t nameB[kDesktopNameChars] = {};
    DWORD needed = 0;
    return a && b && ::GetUserObjectInformationW(a, UOI_NAME, nameA, sizeof nameA, &needed) &&
           ::GetUserObjectInformationW(b, UOI_NAME, nameB, sizeof nameB, &needed) &&
           std::wcscmp(nameA, nameB) == 0;
}

// Not while the lock screen or a UAC prompt has the input.
bool OnTheInputDesktop() {
    const UniqueDesktop input(::OpenInputDesktop(0, FALSE, DESKTOP_READOBJECTS));
    return SameName(input.get(), ::GetThreadDesktop(::GetCurrentThreadId()));
}

}  // namespace

// The mandatory label's last part (0x2000 standard, 0x3000 administrator).
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

namespace {

// UIPI: a process that can't be asked counts as higher.
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

// Afresh each call: asked only when the window in front changes.
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

std::string Win32Desktop::ClassName(Handle window) {
    wchar_t name[kClassNameChars] = {};
    const int length = ::GetClassNameW(AsHwnd(window), name, kClassNameChars);
    return length > 0 ? Narrow(std::wstring(name, static_cast<std::size_t>(length)))
                      : std::string();
}

// shell32 is loaded at the first press that may toggle, not at the start.
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
