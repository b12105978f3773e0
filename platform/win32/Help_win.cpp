#include "platform/win32/Help_win.h"

#include <windows.h>
#include <shellapi.h>

#include "platform/win32/Encoding_win.h"

namespace platform::win {

bool Win32Help::StartProcess(const std::string& application, const std::string& commandLine) {
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

bool Win32Help::OpenInDefaultBrowser(const std::string& url) {
    constexpr INT_PTR kFirstSuccess = 33;  // ShellExecute returns > 32 on success
    const auto execute = shell_.Entry<decltype(&::ShellExecuteW)>("ShellExecuteW");
    if (!execute) {
        return false;
    }
    com_.Enter();
    const HINSTANCE result =
        execute(windows_.MainHwnd(), L"open", Widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) >= kFirstSuccess;
}

}  // namespace platform::win
