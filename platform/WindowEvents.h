// What a window system reports of the main window, one event at a time on
// the window thread.  Controls are named by their child-window ids; which
// handler of the program an event raises is the program's business.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/SystemColours.h"

namespace platform {

enum class WindowState : int { Normal = 0, Minimised = 1, Maximised = 2 };

// A mouse-move message of the main window.  The tray icon's callback message
// is the mouse-move message too, so the message's own two parameters come
// along: a callback carries the icon's id in the first and the mouse message
// in the second.  Only the program knows which id it gave its icon, so the
// program, not the window system, tells the two apart (and never from
// coordinates, which depend on the display's DPI).
struct MouseMove {
    std::uintptr_t wParam = 0;
    std::uintptr_t lParam = 0;
    // The label under the pointer, if any: labels are drawn by the window.
    std::optional<int> label;
};

class WindowEvents {
  public:
    virtual ~WindowEvents() = default;

    virtual void Load() = 0;
    virtual void Unload() = 0;
    virtual void Resize() = 0;
    virtual void MouseMoved(const MouseMove& event) = 0;
    virtual void Timer() = 0;
    virtual void Clicked(int control) = 0;
    virtual void KeyReleased(int control, int key) = 0;
    // The shell (Explorer) has started again and lost every tray icon.
    virtual void TaskbarCreated() = 0;
    // Another start of the program asks this one to show itself.
    virtual void ShowRequested() = 0;
    // The system's colours as the windows are made, and again whenever they
    // or the high-contrast setting change.
    virtual void ColoursChanged(bool highContrast, const SystemColours& system) = 0;
};

}  // namespace platform
