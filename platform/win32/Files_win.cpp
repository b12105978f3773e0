#include "platform/Files.h"

#include "platform/win32/Handles_win.h"

namespace platform::files {

using win::UniqueHandle;
using win::Widen;

namespace {

constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

UniqueHandle Opened(HANDLE file) {
    return UniqueHandle(file == INVALID_HANDLE_VALUE ? nullptr : file);
}

bool WriteWhole(HANDLE file, const std::string& content) {
    DWORD written = 0;
    return ::WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written,
                       nullptr) &&
           written == content.size();
}

// Over the old bytes before the end is cut, never into an emptied file; two
// short lines fit one sector.  A scanner holding the file may go on.
bool WriteInPlace(const std::wstring& path, const std::string& content) {
    UniqueHandle file =
        Opened(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteWhole(file.get(), content) && ::SetEndOfFile(file.get()) &&
           ::FlushFileBuffers(file.get());
}

// A scanner holding the file blocks the rename briefly: four tries in 0.2 s.
bool ReplaceWithRetries(const std::wstring& from, const std::wstring& to) {
    for (int attempt = 1;; ++attempt) {
        if (::MoveFileExW(from.c_str(), to.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        if (attempt == 4) {
            return false;
        }
        ::Sleep(50);
    }
}

}  // namespace

bool NormalFileExists(const std::string& path) {
    const DWORD attributes = ::GetFileAttributesW(Widen(path).c_str());
    constexpr DWORD kNotNormal =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotNormal) == 0;
}

std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes) {
    UniqueHandle file = Opened(::CreateFileW(Widen(path).c_str(), GENERIC_READ, kShareAll, nullptr,
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

// Beside the old file, then over it in one step; where that is refused (held
// open, or C:\ virtualised) in place, never worse than a plain overwrite.
bool ReplaceFileContents(const std::string& path, const std::string& content) {
    const std::wstring target = Widen(path);
    const std::wstring temp = target + L".new";
    {
        UniqueHandle file = Opened(::CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr,
                                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) {
            return WriteInPlace(target, content);
        }
        if (!WriteWhole(file.get(), content) || !::FlushFileBuffers(file.get())) {
            file.reset();
            ::DeleteFileW(temp.c_str());
            return false;
        }
    }
    if (ReplaceWithRetries(temp, target)) {
        return true;
    }
    const bool written = WriteInPlace(target, content);
    ::DeleteFileW(temp.c_str());
    return written;
}

}  // namespace platform::files
