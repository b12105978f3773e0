#include "platform/RunningInstance.h"

#include <optional>
#include <span>

#include "platform/Handle.h"

namespace platform {

std::optional<Handle> RunningInstanceWindow(std::span<const MainWindowFound> found, Handle own) {
    for (const MainWindowFound& window : found) {
        if (window.marked && window.window != own) {
            return window.window;
        }
    }
    return std::nullopt;
}

}  // namespace platform
