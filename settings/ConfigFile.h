// The settings file: two lines, the hotkey's key code and the start-in-tray
// flag, each written " 119 " style with CR LF, at a fixed path.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// Always this path, in the root of drive C.
inline constexpr char kConfigPath[] = "C:\\TopConfig.ini";
constexpr std::int16_t kDefaultHotKey = 119;  // F8

// Two short lines are all the file ever needs; reading stops here so that a
// huge or binary file costs nothing at start-up.
constexpr std::size_t kMaxConfigBytes = std::size_t{64} * 1024;

// What the file's two lines say.  hotKey stays unset when line 1 holds a
// number that doesn't fit in 16 bits (a start then keeps its 0: LoadConfig).
struct LoadedConfig {
    std::optional<std::int16_t> hotKey;
    std::int16_t autoTray = 0;
};

LoadedConfig ParseConfig(std::string_view content);

// One line as the BASIC print statement writes a number: a blank in the sign
// position unless negative, the digits, a blank, CR LF.
std::string PrintedNumberLine(int value);

// The file's content: the key code, then 1 for start in the tray, else 0.
std::string FormatConfig(std::int16_t hotKey, bool startInTray);

// The two settings as a start of the program applies them; these when there
// is no file.
struct StartSettings {
    std::int16_t hotKey = kDefaultHotKey;
    std::int16_t autoTray = 0;
    friend bool operator==(const StartSettings&, const StartSettings&) = default;
};

// What a start takes from the file as it stands: nothing when it is missing
// (a hidden or system file counts as missing), what an empty file gives when
// it can't be read, a key code of 0 when line 1 doesn't fit in 16 bits.
// The file is read and written at path (kConfigPath; a test's own elsewhere).
std::optional<StartSettings> LoadConfig(const std::string& path);

enum class SaveResult {
    Written,      // the file holds the new content
    NothingLost,  // nothing was written, but the file already gives these settings
    ChangeLost,   // nothing was written, and the next start would not see the change
};

[[nodiscard]] SaveResult SaveConfigFile(const std::string& path, std::int16_t hotKey,
                                        bool startInTray);

// Shown once a run, when a change of the settings could not be written; it
// names the settings file (kConfigPath).  In the words of the user guide
// (docs/使用说明.md): the program is "本工具" there and here.
inline constexpr char kSaveFailedMessage[] =
    "设置无法保存到 C:\\TopConfig.ini，刚才的更改在本工具关闭后不会保留。\n\n"
    "解决办法：右键单击本工具，选择“以管理员身份运行”，运行一次并重新设置；"
    "或者请管理员让当前 Windows 用户有权写入这个文件。";

}  // namespace settings
