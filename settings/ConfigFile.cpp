#include "settings/ConfigFile.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/Files.h"
#include "settings/NumberReading.h"

namespace settings {
namespace {

constexpr char kCR = '\r';
constexpr char kLF = '\n';

// Takes one line off the front of rest; a CR, or CR LF, ends it.
std::string TakeLine(std::string_view& rest) {
    const std::size_t end = rest.find(kCR);
    if (end == std::string_view::npos) {
        std::string line(rest);
        rest = {};
        return line;
    }
    std::string line(rest.substr(0, end));
    std::size_t next = end + 1;
    if (next < rest.size() && rest[next] == kLF) {
        ++next;
    }
    rest.remove_prefix(next);
    return line;
}

struct FirstTwoLines {
    std::string line1;
    std::string line2;
};

// Lines end at CR or CR LF; a lone LF is part of the line.
FirstTwoLines SplitFirstTwoLines(std::string_view content) {
    FirstTwoLines lines;
    lines.line1 = TakeLine(content);
    lines.line2 = TakeLine(content);
    return lines;
}

// The one rule of what a start applies: a key code that didn't fit leaves the
// start's 0 in place.
StartSettings AsApplied(const LoadedConfig& config) {
    return StartSettings{.hotKey = config.hotKey.value_or(0), .autoTray = config.autoTray};
}

}  // namespace

LoadedConfig ParseConfig(std::string_view content) {
    const FirstTwoLines lines = SplitFirstTwoLines(content);
    LoadedConfig config;
    if (lines.line1.empty()) {
        config.hotKey = kDefaultHotKey;
    } else {
        config.hotKey = ReadInteger16(lines.line1);
    }
    // Anything but 0 or 1 on line 2 (including what doesn't fit) means 0.
    const std::optional<std::int16_t> flag = ReadInteger16(lines.line2);
    config.autoTray = (flag && *flag == 1) ? 1 : 0;
    return config;
}

// Built by appending only: a string operator+ that may insert in front pulls
// libstdc++'s out-of-line replace into the release, and with it the library's
// exception and thread-local runtime (GCC 14's mingw-w64).
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
    // Compared as the next start reads them, not byte for byte: a file in
    // another spelling of the same numbers loses nothing either.
    const StartSettings wanted = AsApplied(ParseConfig(content));
    const StartSettings atNextStart = LoadConfig(path).value_or(StartSettings{});
    return atNextStart == wanted ? SaveResult::NothingLost : SaveResult::ChangeLost;
}

}  // namespace settings
