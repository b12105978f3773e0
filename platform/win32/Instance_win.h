// One running instance: a mutex, a mark on its window, a request to show.
#pragma once

#include <algorithm>
#include <iterator>
#include <optional>
#include <string_view>
#include <vector>

#include "platform/RunningInstance.h"
#include "platform/win32/Handles_win.h"

namespace platform::win {

class InstanceLock {
  public:
    struct Names {
        const wchar_t* mutex;
        const wchar_t* mark;  // the window property
        const wchar_t* mainClass;
        const wchar_t* showMessage;
    };
    explicit InstanceLock(const Names& names)
        : names_(names), showMessage_(::RegisterWindowMessageW(names.showMessage)) {}

    // An administrator's mutex answers a standard run ERROR_ACCESS_DENIED.
    bool Take(HWND main) {
        mutex_.reset(::CreateMutexW(nullptr, FALSE, names_.mutex));
        const DWORD error = ::GetLastError();
        if (mutex_ ? error == ERROR_ALREADY_EXISTS : error == ERROR_ACCESS_DENIED) {
            return false;
        }
        ::SetPropW(main, names_.mark, reinterpret_cast<HANDLE>(1));  // anything but null
        return true;
    }
    // The mark first: a start then asks no window rather than a closing one.
    void Release(HWND main) {
        ::RemovePropW(main, names_.mark);
        mutex_.reset();
    }
    // EnumWindows: a FindWindowEx walk ends early at a window gone meanwhile.
    // First, given the running instance's process, a word to the user.
    template <typename BeforeAsking>
    void AskRunningInstanceToShow(HWND own, BeforeAsking beforeAsking) {
        found_.clear();
        ::EnumWindows(NoteIfMainWindow, reinterpret_cast<LPARAM>(this));
        if (const std::optional<Handle> asked = RunningInstanceWindow(found_, AsHandle(own))) {
            DWORD processId = 0;
            ::GetWindowThreadProcessId(AsHwnd(*asked), &processId);
            beforeAsking(processId);
            ::AllowSetForegroundWindow(processId);  // only this start, just made, may
            ::PostMessageW(AsHwnd(*asked), showMessage_, 0, 0);
        }
    }
    UINT ShowMessage() const { return showMessage_; }

  private:
    static BOOL CALLBACK NoteIfMainWindow(HWND window, LPARAM self) {
        auto& lock = *reinterpret_cast<InstanceLock*>(self);
        wchar_t name[64] = {};
        const int length = ::GetClassNameW(window, name, static_cast<int>(std::size(name)));
        if (std::wstring_view(name, static_cast<std::size_t>(std::max(length, 0))) ==
            lock.names_.mainClass) {
            lock.found_.push_back(
                {AsHandle(window), ::GetPropW(window, lock.names_.mark) != nullptr});
        }
        return TRUE;
    }

    Names names_;
    UINT showMessage_;
    UniqueHandle mutex_;
    std::vector<MainWindowFound> found_;
};

}  // namespace platform::win
