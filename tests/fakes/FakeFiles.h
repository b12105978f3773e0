// Files in a real temporary folder of their own, which "C:\..." paths map
// into; hidden files and unreadable ones on request.
#pragma once

#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "platform/FileStore.h"
#include "tests/fakes/CallLog.h"

namespace fakes {

class FakeFiles final : public platform::FileStore {
  public:
    explicit FakeFiles(CallLog& log);
    ~FakeFiles() override;
    FakeFiles(const FakeFiles&) = delete;
    FakeFiles& operator=(const FakeFiles&) = delete;

    bool readsFail = false;  // files exist but can't be opened
    // Another program (a virus scanner) opens a file the moment this one has
    // read it, sharing nothing: from then on it can be neither read nor written.
    bool heldOnceRead = false;
    std::set<std::string> hiddenFiles;  // host paths that carry the hidden attribute
    // Where "C:\..." paths live on the host.
    std::filesystem::path HostPath(const std::string& windowsPath) const;
    void WriteConfig(const std::string& bytes);
    std::optional<std::string> ReadConfig() const;

    bool NormalFileExists(const std::string& path) override;
    std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes) override;
    bool ReplaceFileContents(const std::string& path, const std::string& content) override;

  private:
    CallLog& log_;
    std::filesystem::path root_;
    bool held_ = false;
};

}  // namespace fakes
