// The settings file on the host: Files_win.cpp, or the tests' Files_posix.cpp.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace platform::files {

// Neither hidden, nor a system file, nor a folder.
bool NormalFileExists(const std::string& path);
// At most maxBytes from the start; nothing if it can't be read.
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes);
// The old or the new content whole; false if nothing was written.
bool ReplaceFileContents(const std::string& path, const std::string& content);

}  // namespace platform::files
