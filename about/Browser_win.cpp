#include "about/Browser_win.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "about/About.h"

namespace about {

Browser::~Browser() {
    if (comEntered_) {
        ole32_.Entry<void(WINAPI*)()>("CoUninitialize")();
    }
}

// The path quoted, so that no "C:\Program.exe" is ever tried.
void Browser::Open(HWND owner, const wchar_t* url) {
    std::wstring line = std::wstring(L"\"") + kBrowserPath + L"\"  " + url;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (::CreateProcessW(kBrowserPath, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &process)) {
        ::CloseHandle(process.hThread);
        ::CloseHandle(process.hProcess);
        return;
    }
    const auto execute = shell_.Entry<decltype(&::ShellExecuteW)>("ShellExecuteW");
    const auto enterCom = ole32_.Entry<HRESULT(WINAPI*)(void*, DWORD)>("CoInitializeEx");
    if (!comEntered_ && enterCom) {
        // S_FALSE (entered already) is left once too; another apartment not.
        comEntered_ =
            SUCCEEDED(enterCom(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    if (execute) {
        execute(owner, L"open", url, nullptr, nullptr, SW_SHOWNORMAL);
    }
}

}  // namespace about
