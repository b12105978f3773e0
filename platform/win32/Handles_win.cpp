#include "platform/SystemLibrary.h"
#include "platform/win32/Handles_win.h"

namespace platform::win {
namespace {

// Present where LoadLibraryEx knows the LOAD_LIBRARY_SEARCH flags.
auto SetDefaultDllDirectoriesEntry() {
    return ProcAddress<BOOL(WINAPI*)(DWORD)>(::GetModuleHandleW(L"kernel32.dll"),
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

bool HighContrastOn() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    return ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) != FALSE &&
           (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
}

std::wstring Widen(const std::string& utf8) {
    const int size = static_cast<int>(utf8.size());
    std::wstring wide(
        static_cast<std::size_t>(::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0)),
        L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(),
                          static_cast<int>(wide.size()));
    return wide;
}

std::string Narrow(const std::wstring& wide) {
    const int size = static_cast<int>(wide.size());
    std::string utf8(static_cast<std::size_t>(::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size,
                                                                    nullptr, 0, nullptr, nullptr)),
                     '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), size, utf8.data(), static_cast<int>(utf8.size()),
                          nullptr, nullptr);
    return utf8;
}

}  // namespace platform::win
