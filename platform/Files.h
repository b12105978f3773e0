// File operations on the host's own file system, for builds other than
// Windows (the unit tests).  The Windows ones live in WindowSystem_win.cpp.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace platform::posix {

bool NormalFileExists(const std::string& path);
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes);
// Writes a temporary file beside path, then renames it over path.
bool ReplaceFileContents(const std::string& path, const std::string& content);

}  // namespace platform::posix
