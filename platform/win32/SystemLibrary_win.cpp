#include "platform/SystemLibrary.h"
#include "platform/win32/Handles_win.h"

namespace platform::win {
namespace {

using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);

// Present where LoadLibraryEx knows the LOAD_LIBRARY_SEARCH flags: Windows
// says to tell them apart by it.
SetDefaultDllDirectoriesFn SetDefaultDllDirectoriesEntry() {
    return ProcAddress<SetDefaultDllDirectoriesFn>(::GetModuleHandleW(L"kernel32.dll"),
                                                   "SetDefaultDllDirectories");
}

}  // namespace

void KeepDllSearchToTheSystemFolder() {
    if (const auto setDefault = SetDefaultDllDirectoriesEntry()) {
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    }
    ::SetDllDirectoryW(L"");
}

UniqueLibrary LoadSystemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    const LibraryRequest request =
        SystemLibrary(std::wstring_view(folder, length < MAX_PATH ? length : 0), name,
                      SetDefaultDllDirectoriesEntry() != nullptr);
    if (request.path.empty()) {
        return UniqueLibrary();
    }
    return UniqueLibrary(::LoadLibraryExW(request.path.c_str(), nullptr, request.flags));
}

}  // namespace platform::win
