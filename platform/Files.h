// The host's own file system, for the settings file: Files_win.cpp on
// Windows (paths as Windows writes them); for the unit tests, which map
// Windows paths into a folder of their own, tests/fakes/Files_posix.cpp.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace platform::files {

// An existing file with neither the hidden nor the system attribute (and
// not a folder).
bool NormalFileExists(const std::string& path);
// At most maxBytes from the start of the file; nothing if it can't be read.
std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes);
// Writes the content to a file beside path, then renames it over path, so
// the file holds the old or the new content whole.  False if nothing could
// be written.
bool ReplaceFileContents(const std::string& path, const std::string& content);

}  // namespace platform::files
