// The brief frame that shows a press pinned the window, drawn once the window
// really is on top; its absence says the window was not pinned.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Highlight.h"

namespace pin {

// Ticks: a pin is looked for about a second, the frame shows about 0.6 s.
inline constexpr int kFrameWatchTicks = 5;
inline constexpr int kFrameShowTicks = 3;

// The band's width at the monitor's DPI: 4 pixels at 96 dpi.
int FrameThickness(int dpi);
// Just outside the window's visible frame, clipped to its monitor.
std::optional<platform::PixelRect> FrameAround(const platform::PixelRect& frame,
                                               const platform::PixelRect& monitor, int thickness);
// The accent colour; the selection colour without one, and in high contrast.
std::uint32_t FrameColour(const platform::SystemAccent& accent);
std::optional<platform::FrameDrawing> FrameFor(const platform::WindowOnScreen& window,
                                               std::uint32_t colour);

class PinFrame {
  public:
    explicit PinFrame(platform::Highlight& highlight) : highlight_(highlight) {}

    // An un-pin shows none, and takes a showing one away at once.
    void Toggled(platform::Handle window, bool wasTopmost);
    void Tick();  // after the tick's toggle, if any

  private:
    enum class Stage { Idle, Pinned, Watching, Showing };

    void Watch();
    void Show(const platform::WindowOnScreen& window);
    void End(platform::FrameEnd end) {
        highlight_.HideFrame(end);
        stage_ = Stage::Idle;
    }

    platform::Highlight& highlight_;
    Stage stage_ = Stage::Idle;
    platform::Handle window_ = 0;
    int ticksLeft_ = 0;
};

}  // namespace pin
