#include "settings/ConfigFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Files.h"
#include "settings/ConfigFile.h"

namespace settings {
namespace {

// A CR, or CR LF, ends a line; a lone LF is part of it.
std::string TakeLine(std::string_view& rest) {
    const std::size_t end = std::min(rest.find('\r'), rest.size());
    std::string line(rest.substr(0, end));
    rest.remove_prefix(std::min(rest.size(), end + (rest.substr(end, 2) == "\r\n" ? 2 : 1)));
    return line;
}

// A key code that didn't fit leaves the start's 0.
StartSettings AsApplied(const LoadedConfig& config) {
    return StartSettings{.hotKey = config.hotKey.value_or(0), .autoTray = config.autoTray};
}

}  // namespace

LoadedConfig ParseConfig(std::string_view content) {
    const std::string line1 = TakeLine(content);
    const std::string line2 = TakeLine(content);
    LoadedConfig config;
    config.hotKey = line1.empty() ? std::optional(kDefaultHotKey) : ReadInteger16(line1);
    // Anything but 0 or 1 on line 2 (including what doesn't fit) means 0.
    const std::optional<std::int16_t> flag = ReadInteger16(line2);
    config.autoTray = (flag && *flag == 1) ? 1 : 0;
    return config;
}

// Appended only: an operator+ inserting in front pulls libstdc++'s runtime in.
std::string PrintedNumberLine(int value) {
    std::string line;
    if (value >= 0) {
        line += ' ';
    }
    line += std::to_string(value);
    line += " \r\n";
    return line;
}

std::string FormatConfig(std::int16_t hotKey, bool startInTray) {
    std::string content = PrintedNumberLine(hotKey);
    content += PrintedNumberLine(startInTray ? 1 : 0);
    return content;
}

std::optional<StartSettings> LoadConfig(const std::string& path) {
    if (!platform::files::NormalFileExists(path)) {
        return std::nullopt;
    }
    const std::optional<std::string> content = platform::files::ReadFileHead(path, kMaxConfigBytes);
    return AsApplied(ParseConfig(content.value_or(std::string())));
}

SaveResult SaveConfigFile(const std::string& path, std::int16_t hotKey, bool startInTray) {
    const std::string content = FormatConfig(hotKey, startInTray);
    if (platform::files::ReplaceFileContents(path, content)) {
        return SaveResult::Written;
    }
    // As the next start reads them, not byte for byte.
    const StartSettings wanted = AsApplied(ParseConfig(content));
    const StartSettings atNextStart = LoadConfig(path).value_or(StartSettings{});
    return atNextStart == wanted ? SaveResult::NothingLost : SaveResult::ChangeLost;
}

}  // namespace settings
