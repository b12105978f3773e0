#include "platform/win32/FileStore_win.h"

#include "platform/Files.h"

namespace platform::win {

bool Win32FileStore::NormalFileExists(const std::string& path) {
    return files::NormalFileExists(path);
}

std::optional<std::string> Win32FileStore::ReadFileHead(const std::string& path,
                                                        std::size_t maxBytes) {
    return files::ReadFileHead(path, maxBytes);
}

bool Win32FileStore::ReplaceFileContents(const std::string& path, const std::string& content) {
    return files::ReplaceFileContents(path, content);
}

}  // namespace platform::win
