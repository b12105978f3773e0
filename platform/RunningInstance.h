// Which main window of the program belongs to the instance that runs.  A
// start makes its main window before it asks for the instance lock, and the
// system puts a new window at the top of the z-order, where a search of the
// windows of one class begins: two second starts at once would each find the
// other's window first, ask it to show itself and end, and the running one
// would never hear of them.  So only the instance that took the lock marks
// its main window, and a second start asks the marked one alone.
#pragma once

#include <optional>
#include <span>

#include "platform/Handle.h"

namespace platform {

// A main window of the program's class, as a search of the top-level windows
// finds it: whether it carries the running instance's mark.
struct MainWindowFound {
    Handle window = 0;
    bool marked = false;
};

// The running instance's window among those found, in whatever order: the
// marked one that isn't this start's own.  None marked (the running one is
// closing, or has not marked its window yet) asks none.
std::optional<Handle> RunningInstanceWindow(std::span<const MainWindowFound> found, Handle own);

}  // namespace platform
