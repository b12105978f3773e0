#include "platform/win32/Instance_win.h"

#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/RunningInstance.h"

namespace platform::win {
namespace {

const HANDLE kMarked = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(1));  // not null

struct MainWindowSearch {
    const InstanceLock::Names& names;
    std::vector<MainWindowFound> found;
};

BOOL CALLBACK NoteIfMainWindow(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<MainWindowSearch*>(lParam);
    wchar_t name[64] = {};
    const int length = ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
    if (length > 0 &&
        std::wstring_view(name, static_cast<std::size_t>(length)) == search.names.mainClass) {
        search.found.push_back(
            {AsHandle(window), ::GetPropW(window, search.names.mark) != nullptr});
    }
    return TRUE;
}

}  // namespace

// An administrator's mutex answers a standard run ERROR_ACCESS_DENIED.
bool InstanceLock::Take(HWND main) {
    mutex_.reset(::CreateMutexW(nullptr, FALSE, names_.mutex));
    const DWORD error = ::GetLastError();
    if (mutex_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED) {
        return false;
    }
    ::SetPropW(main, names_.mark, kMarked);
    return true;
}

// The mark first: a start then asks no window rather than a closing one.
void InstanceLock::Release(HWND main) {
    ::RemovePropW(main, names_.mark);
    mutex_.reset();
}

// EnumWindows: a FindWindowEx walk ends early at a window gone meanwhile.
void InstanceLock::AskRunningInstanceToShow(HWND own) const {
    MainWindowSearch search{names_, {}};
    ::EnumWindows(NoteIfMainWindow, reinterpret_cast<LPARAM>(&search));
    const std::optional<Handle> asked = RunningInstanceWindow(search.found, AsHandle(own));
    if (!asked) {
        return;
    }
    DWORD processId = 0;
    ::GetWindowThreadProcessId(AsHwnd(*asked), &processId);
    ::AllowSetForegroundWindow(processId);
    ::PostMessageW(AsHwnd(*asked), showMessage_, 0, 0);
}

}  // namespace platform::win
