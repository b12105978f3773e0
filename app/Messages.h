// The messages the program shows, word for word, in the words of the user
// guide (docs/使用说明.md): the program is "本工具" there and here.
#pragma once

namespace app {

// Shown once a run, when a change of the settings could not be written; it
// names the settings file (app::facts::kSettingsPath).
inline constexpr char kSaveFailedMessage[] =
    "设置无法保存到 C:\\TopConfig.ini，刚才的更改在本工具关闭后不会保留。\n\n"
    "解决办法：右键单击本工具，选择“以管理员身份运行”，运行一次并重新设置；"
    "或者请管理员让当前 Windows 用户有权写入这个文件。";

}  // namespace app
