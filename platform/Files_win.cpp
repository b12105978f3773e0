#include "platform/Files_win.h"

#include <windows.h>

#include "platform/Handles_win.h"
#include "platform/Text_win.h"

namespace platform::win {
namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

bool WriteWhole(HANDLE file, const std::string& content) {
    DWORD written = 0;
    return ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written,
                       nullptr) &&
           written == content.size();
}

// Writes straight into the file: the last resort where no file can be made
// beside it (only the file itself may be writable).
bool WriteInPlace(const std::wstring& path, const std::string& content) {
    UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteWhole(file.get(), content);
}

}  // namespace

bool NormalFileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
    constexpr DWORD kNotNormal =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotNormal) == 0;
}

std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes) {
    UniqueFile file(::CreateFileW(Widen(path).c_str(), GENERIC_READ, kShareAll, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        return std::nullopt;
    }
    std::string content(maxBytes, '\0');
    DWORD got = 0;
    if (!::ReadFile(file.get(), content.data(), static_cast<DWORD>(maxBytes), &got, nullptr)) {
        return std::nullopt;
    }
    content.resize(got);
    return content;
}

// The new content goes to a file beside the old one first and then replaces
// it in one step, so a save that fails half-way leaves the old settings whole.
bool ReplaceFileContents(const std::string& path, const std::string& content) {
    const std::wstring target = Widen(path);
    const std::wstring temp = target + L".new";
    {
        UniqueFile file(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return WriteInPlace(target, content);
        }
        if (!WriteWhole(file.get(), content) || !::FlushFileBuffers(file.get())) {
            file.reset();
            ::DeleteFileW(temp.c_str());
            return false;
        }
    }
    if (!::MoveFileExW(temp.c_str(), target.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace platform::win
