// Stands in for the web browser in end-to-end tests: appends the command line
// it was started with to C:\browser.log, one line each time, and ends.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const wchar_t* line = ::GetCommandLineW();
    char utf8[4096] = {};
    const int n =
        ::WideCharToMultiByte(CP_UTF8, 0, line, -1, utf8, sizeof(utf8) - 2, nullptr, nullptr);
    if (n <= 0) {
        return 1;
    }
    utf8[n - 1] = '\n';
    HANDLE log = ::CreateFileW(L"C:\\browser.log", FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                               OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    ::WriteFile(log, utf8, static_cast<DWORD>(n), &written, nullptr);
    ::CloseHandle(log);
    return 0;
}
