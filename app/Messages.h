// The messages the program shows, word for word.
#pragma once

#include <string_view>

#include "app/Facts.h"

namespace app {

// Shown once a run, when a change of the settings could not be written.
inline constexpr char kSaveFailedMessage[] =
    "设置无法保存到 C:\\TopConfig.ini，刚才的更改在本程序关闭后不会保留。\n\n"
    "解决办法：右键单击本程序，选择“以管理员身份运行”，运行一次并重新设置；"
    "或者请管理员让当前 Windows 用户有权写入这个文件。";
static_assert(std::string_view(kSaveFailedMessage).find(facts::kSettingsPath) !=
                  std::string_view::npos,
              "the message names the settings file");

}  // namespace app
