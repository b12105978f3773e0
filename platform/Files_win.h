// The settings file's operations on Windows.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace platform::win {

bool NormalFileExists(const std::string& path);
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes);
bool ReplaceFileContents(const std::string& path, const std::string& content);

}  // namespace platform::win
