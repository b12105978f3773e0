// The settings file: the key code and the start-in-tray flag, " 119 " style.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// A line as BASIC's Val reads it (NumberReading.cpp): blanks ignored; sign,
// digits, fraction, exponent (E, D), or &H / &O digits; 0 if none, nothing if
// it overflows a double.
std::optional<double> LeadingNumber(std::string_view text);

std::optional<std::int16_t> ReadInteger16(std::string_view text);

inline constexpr char kConfigPath[] = "C:\\TopConfig.ini";
constexpr std::int16_t kDefaultHotKey = 119;  // F8

// Two short lines are all it needs: a huge file costs nothing at start-up.
constexpr std::size_t kMaxConfigBytes = std::size_t{64} * 1024;

// What the two lines say; no key when line 1's number doesn't fit 16 bits.
struct LoadedConfig {
    std::optional<std::int16_t> hotKey;
    std::int16_t autoTray = 0;
};

LoadedConfig ParseConfig(std::string_view content);

// As BASIC's print writes it: " 119 " and CR LF.
std::string PrintedNumberLine(int value);

std::string FormatConfig(std::int16_t hotKey, bool startInTray);

// The two settings as a start applies them; these without a file.
struct StartSettings {
    std::int16_t hotKey = kDefaultHotKey;
    std::int16_t autoTray = 0;
    friend bool operator==(const StartSettings&, const StartSettings&) = default;
};

// Nothing without a normal file; an unreadable one reads as empty.
std::optional<StartSettings> LoadConfig(const std::string& path);

enum class SaveResult {
    Written,      // the file holds the new content
    NothingLost,  // nothing was written, but the file already gives these settings
    ChangeLost,   // nothing was written, and the next start would not see the change
};

[[nodiscard]] SaveResult SaveConfigFile(const std::string& path, std::int16_t hotKey,
                                        bool startInTray);

// Once a run, in the user guide's words (docs/使用说明.md).
inline constexpr char kSaveFailedMessage[] =
    "设置无法保存到 C:\\TopConfig.ini，刚才的更改在本工具关闭后不会保留。\n\n"
    "解决办法：右键单击本工具，选择“以管理员身份运行”，运行一次并重新设置；"
    "或者请管理员让当前 Windows 用户有权写入这个文件。";

}  // namespace settings
