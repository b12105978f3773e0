#include "tests/fakes/FakeFiles.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

#include "app/Facts.h"
#include "platform/Files.h"

namespace fakes {

FakeFiles::FakeFiles(CallLog& log) : log_(log) {
    std::random_device seed;
    root_ = std::filesystem::temp_directory_path() /
            ("orvane-test-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(root_);
}

FakeFiles::~FakeFiles() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path FakeFiles::HostPath(const std::string& windowsPath) const {
    std::string name = windowsPath;
    std::replace(name.begin(), name.end(), '\\', '_');
    std::replace(name.begin(), name.end(), ':', '_');
    return root_ / name;
}

void FakeFiles::WriteConfig(const std::string& bytes) {
    std::ofstream(HostPath(app::facts::kSettingsPath), std::ios::binary) << bytes;
}

std::optional<std::string> FakeFiles::ReadConfig() const {
    std::ifstream in(HostPath(app::facts::kSettingsPath), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), {});
}

bool FakeFiles::NormalFileExists(const std::string& path) {
    const std::string host = HostPath(path).string();
    return hiddenFiles.count(host) == 0 && platform::files::NormalFileExists(host);
}

std::optional<std::string> FakeFiles::ReadFileHead(const std::string& path, std::size_t maxBytes) {
    log_.push_back("ReadFileHead " + std::to_string(maxBytes));
    if (readsFail || held_) {
        return std::nullopt;
    }
    std::optional<std::string> head =
        platform::files::ReadFileHead(HostPath(path).string(), maxBytes);
    held_ = heldOnceRead && head.has_value();
    return head;
}

bool FakeFiles::ReplaceFileContents(const std::string& path, const std::string& content) {
    log_.push_back("ReplaceFileContents");
    if (held_) {
        return false;
    }
    return platform::files::ReplaceFileContents(HostPath(path).string(), content);
}

}  // namespace fakes
