// Which window belongs to the running instance: the one it marked.  Every
// start makes its window before it asks for the lock, so two second starts at
// once would each find the other's first.
#pragma once

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

}  // namespace platform
