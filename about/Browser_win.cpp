#include "about/Browser_win.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "about/About.h"

namespace about {

using platform::win::ProcAddress;

Browser::~Browser() {
    if (comEntered_) {
        if (const auto leave = ProcAddress<void(WINAPI*)()>(ole32_, "CoUninitialize")) {
            leave();
        }
    }
}

void Browser::Open(HWND owner, const wchar_t* url) {
    if (!StartFixedBrowser(url)) {
        (void)OpenInDefaultBrowser(owner, url);
    }
}

// The path quoted, so that no "C:\Program.exe" is ever tried, two blanks and
// the address; a normal, focused window.
bool Browser::StartFixedBrowser(const wchar_t* url) {
    std::wstring line = std::wstring(L"\"") + kBrowserPath + L"\"  " + url;  // may be written into
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(kBrowserPath, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return false;
    }
    const platform::win::UniqueHandle thread(process.hThread);
    const platform::win::UniqueHandle child(process.hProcess);
    return true;
}

bool Browser::OpenInDefaultBrowser(HWND owner, const wchar_t* url) {
    const auto execute = shell_.Entry<decltype(&::ShellExecuteW)>("ShellExecuteW");
    if (!execute) {
        return false;
    }
    if (!ole32_) {
        ole32_ = platform::win::LoadSystemLibrary(L"ole32.dll");
        using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
        const auto enter = ProcAddress<CoInitializeExFn>(ole32_, "CoInitializeEx");
        // S_FALSE (already entered) must be left once too; a thread in
        // another apartment must not be.
        comEntered_ =
            enter && SUCCEEDED(enter(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }
    constexpr INT_PTR kFirstSuccess = 33;  // ShellExecute returns more than 32 on success
    return reinterpret_cast<INT_PTR>(
               execute(owner, L"open", url, nullptr, nullptr, SW_SHOWNORMAL)) >= kFirstSuccess;
}

}  // namespace about
