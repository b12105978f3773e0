#include "platform/win32/Instance_win.h"

#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/RunningInstance.h"

namespace platform::win {
namespace {

// What the mark holds: anything but null, which GetProp answers for a window
// without it.
const HANDLE kMarked = reinterpret_cast<HANDLE>(static_cast<ULONG_PTR>(1));

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

// A mutex that exists already answers with a handle to it and
// ERROR_ALREADY_EXISTS; one that an elevated instance made answers a standard
// run with no handle and ERROR_ACCESS_DENIED, as its integrity label forbids
// the access asked for.  Any other failure lets this one run.
bool InstanceLock::Take(HWND main) {
    mutex_.reset(::CreateMutexW(nullptr, FALSE, names_.mutex));
    const DWORD error = ::GetLastError();
    if (mutex_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED) {
        return false;
    }
    ::SetPropW(main, names_.mark, kMarked);
    return true;
}

// The mark goes first: a new start that finds the lock still taken then
// asks no window rather than one that is about to close.
void InstanceLock::Release(HWND main) {
    ::RemovePropW(main, names_.mark);
    mutex_.reset();
}

// The running instance's main window is the marked one of the class; every
// start makes its window before it asks for the lock, so the newest window
// of the class, the first a search finds, may be another second start's
// (platform/RunningInstance.h).  All are looked at with EnumWindows, not
// walked one after another: a FindWindowEx walk goes on from the window it
// reached, and ends early if that window, another start's, is gone
// meanwhile.  Only a process that may take the foreground (this one, just
// started by the user) can pass that right on.  The message is posted: this
// start never waits.
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
