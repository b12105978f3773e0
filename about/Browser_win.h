// The fixed browser, or the default one (current Windows has no IE).
#pragma once

#include "platform/win32/Handles_win.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "about/About.h"

namespace about {

class Browser {
  public:
    explicit Browser(platform::win::LazyLibrary& shell) : shell_(shell) {}
    ~Browser() {
        if (comEntered_) {
            ole32_.Entry<void(WINAPI*)()>("CoUninitialize")();
        }
    }
    Browser(const Browser&) = delete;
    Browser& operator=(const Browser&) = delete;

    // The path quoted, so that no "C:\Program.exe" is ever tried.  Should both
    // fail, the page simply stays shut.
    void Open(HWND owner, const wchar_t* url) {
        std::wstring line = std::wstring(L"\"") + kBrowserPath + L"\"  " + url;
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = SW_SHOWNORMAL;
        PROCESS_INFORMATION process{};
        if (::CreateProcessW(kBrowserPath, line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                             nullptr, &startup, &process)) {
            ::CloseHandle(process.hThread);
            ::CloseHandle(process.hProcess);
            return;
        }
        const auto enterCom = ole32_.Entry<HRESULT(WINAPI*)(void*, DWORD)>("CoInitializeEx");
        if (!comEntered_ && enterCom) {  // S_FALSE, entered already, is left once too
            comEntered_ =
                SUCCEEDED(enterCom(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
        }
        if (const auto execute = shell_.Entry<decltype(&::ShellExecuteW)>("ShellExecuteW")) {
            execute(owner, L"open", url, nullptr, nullptr, SW_SHOWNORMAL);
        }
    }

  private:
    platform::win::LazyLibrary& shell_;  // outlives this: COM is left first
    // COM from the first default browser (URL handlers may be COM servers).
    platform::win::LazyLibrary ole32_{L"ole32.dll"};
    bool comEntered_ = false;
};

}  // namespace about
