// Files, by Windows path.  All that the settings need of a system.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

namespace platform {

class FileStore {
  public:
    virtual ~FileStore() = default;

    // True for an existing file with neither the hidden nor the system
    // attribute (and not a folder).
    virtual bool NormalFileExists(const std::string& path) = 0;
    // At most maxBytes from the start of the file; nothing if it can't be read.
    virtual std::optional<std::string> ReadFileHead(const std::string& path,
                                                    std::size_t maxBytes) = 0;
    // Replaces the whole file, so that it holds either the old or the new
    // content, never a part of the new one.  False if nothing could be written.
    [[nodiscard]] virtual bool ReplaceFileContents(const std::string& path,
                                                   const std::string& content) = 0;
};

}  // namespace platform
