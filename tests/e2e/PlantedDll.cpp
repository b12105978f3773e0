// A DLL that stands in for one planted beside the program under a system
// DLL's name: loaded, it leaves a file behind.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        HANDLE mark = ::CreateFileW(L"C:\\planted-dll-loaded", GENERIC_WRITE, 0, nullptr,
                                    CREATE_ALWAYS, 0, nullptr);
        if (mark != INVALID_HANDLE_VALUE) {
            ::CloseHandle(mark);
        }
    }
    return TRUE;
}
