#include "platform/Files.h"

#include <windows.h>

#include "platform/win32/Handles_win.h"
#include "platform/win32/Encoding_win.h"

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

// Writes straight into the file, as a plain save does, for when no file can
// be made beside it or the made one can't replace it.  The new bytes go over
// the old ones before the end is cut, never into an emptied file: a write
// that fails leaves the old settings, and the two short lines fit in one
// sector, so a save is never half done.  The sharing lets another program
// that holds the file for reading or writing (a scanner, an indexer) go on.
bool WriteInPlace(const std::wstring& path, const std::string& content) {
    UniqueHandle file =
        Opened(::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                             nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteWhole(file.get(), content) && ::SetEndOfFile(file.get()) &&
           ::FlushFileBuffers(file.get());
}

// A program that holds the old file open without delete sharing (a virus
// scanner, an indexer, a backup) blocks the rename; such holds are usually
// brief, so it is tried a few times within a fifth of a second.
bool ReplaceWithRetries(const std::wstring& from, const std::wstring& to) {
    constexpr int kTries = 4;
    constexpr DWORD kPauseMs = 50;
    for (int attempt = 1;; ++attempt) {
        if (::MoveFileExW(from.c_str(), to.c_str(),
                          MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return true;
        }
        if (attempt == kTries) {
            return false;
        }
        ::Sleep(kPauseMs);
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

// The new content goes to a file beside the old one first and then replaces
// it in one step, so a save that fails half-way leaves the old settings whole.
// Where the replacing is refused (the file is held open, or on Windows the
// root of C: is virtualised for a standard user) the save is never worse
// than a plain overwrite: it writes in place instead.
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
