// When the settings file is read and written, and telling the user, once,
// that a save lost a change.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Controls.h"
#include "platform/FileStore.h"
#include "settings/ConfigFile.h"

namespace settings {

// Shown once a run, when a change of the settings could not be written; it
// names the settings file (kConfigPath).  In the words of the user guide
// (docs/使用说明.md): the program is "本工具" there and here.
inline constexpr char kSaveFailedMessage[] =
    "设置无法保存到 C:\\TopConfig.ini，刚才的更改在本工具关闭后不会保留。\n\n"
    "解决办法：右键单击本工具，选择“以管理员身份运行”，运行一次并重新设置；"
    "或者请管理员让当前 Windows 用户有权写入这个文件。";

// Whether the user hears of a save that loses a change: never at the close,
// which log-off runs too, where a message would hold it up.
enum class LostChange { Tell, StayQuiet };

class Settings {
  public:
    // The start-in-tray flag is the check box's, read at each save.
    Settings(platform::FileStore& files, platform::Controls& controls)
        : files_(files), controls_(controls) {}

    // What a start applies: nothing when there is no file.
    std::optional<StartSettings> Load();
    void Save(std::int16_t hotKey, LostChange lost = LostChange::Tell);

  private:
    platform::FileStore& files_;
    platform::Controls& controls_;
    bool saveFailureTold_ = false;  // at most once a run
};

}  // namespace settings
