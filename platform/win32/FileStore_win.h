// Files for real, by Windows path (Files_win.cpp does the work).  No state.
#pragma once

#include "platform/FileStore.h"

namespace platform::win {

class Win32FileStore final : public FileStore {
  public:
    bool NormalFileExists(const std::string& path) override;
    std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes) override;
    [[nodiscard]] bool ReplaceFileContents(const std::string& path,
                                           const std::string& content) override;
};

}  // namespace platform::win
