// The brief frame that shows a press pinned the window: drawn once the
// window really is on top, gone again a moment later.  Its absence after a
// press says the window was not pinned.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Handle.h"
#include "platform/Highlight.h"

namespace pin {

// In ticks of the poll: a pin is looked for for about a second (another
// program's window changes when its thread gets to it), and the frame
// shows for about 0.6 s.
inline constexpr int kFrameWatchTicks = 5;
inline constexpr int kFrameShowTicks = 3;

// The band's width at the monitor's DPI: 4 pixels at 96 dpi.
int FrameThickness(int dpi);
// Just outside the window's visible frame, and clipped to its monitor, so
// that a maximised window's frame lies on the screen, over the window's own
// edge; nothing when the two don't meet.
std::optional<platform::PixelRect> FrameAround(const platform::PixelRect& frame,
                                               const platform::PixelRect& monitor, int thickness);
// The accent colour where the system has one; the selection colour where it
// hasn't, and always in high contrast, whose colours the user chose.
std::uint32_t FrameColour(const platform::SystemAccent& accent);
// Nothing for a minimised or hidden window.
std::optional<platform::FrameDrawing> FrameFor(const platform::WindowOnScreen& window,
                                               std::uint32_t colour);

class PinFrame {
  public:
    explicit PinFrame(platform::Highlight& highlight) : highlight_(highlight) {}

    // The press has just toggled the window, which was topmost before or
    // not.  An un-pin takes a frame that shows away at once, and shows none.
    void Toggled(platform::Handle window, bool wasTopmost);
    // One tick of the poll, after the press's toggle, if any.
    void Tick();

  private:
    enum class Stage { Idle, Pinned, Watching, Showing };

    void Watch();
    void Show(const platform::WindowOnScreen& window);
    void End(platform::FrameEnd end);

    platform::Highlight& highlight_;
    Stage stage_ = Stage::Idle;
    platform::Handle window_ = 0;
    int ticksLeft_ = 0;
};

}  // namespace pin
