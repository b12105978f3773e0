// Which window belongs to the running instance: the one it marked.  Every
// start makes its window before it asks for the lock, so two second starts at
// once would each find the other's first.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/Desktop.h"

namespace platform {

struct MainWindowFound {
    Handle window = 0;
    bool marked = false;
};

// None marked (closing, or not marked yet): none asked.
inline std::optional<Handle> RunningInstanceWindow(std::span<const MainWindowFound> found,
                                                   Handle own) {
    for (const MainWindowFound& window : found) {
        if (window.marked && window.window != own) {
            return window.window;
        }
    }
    return std::nullopt;
}

// An administrator's start that finds a standard run says why it ends: that
// run can't pin an administrator's window.  Levels unread (Windows XP, Wine):
// nothing said.
inline bool TellStandardRunIsRunning(std::optional<std::uint32_t> ours,
                                     std::optional<std::uint32_t> running) {
    constexpr std::uint32_t kHigh = 0x3000;  // SECURITY_MANDATORY_HIGH_RID, an administrator's
    return ours && running && *ours >= kHigh && *running < kHigh;
}

// In the user guide's words (docs/使用说明.md).
inline constexpr char kStandardRunIsRunningMessage[] =
    "已经有一份本工具在运行，它没有以管理员身份运行，置顶不了以管理员身份运行的程序的窗口。"
    "请先关闭它的主窗口退出它，再以管理员身份运行本工具。";

}  // namespace platform
