// The brief frame that shows a press pinned the window, drawn as soon as the
// window really is on top; its absence says the window was not pinned.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Highlight.h"

namespace pin {

// The pinned window is looked at every 30 ms for about a second: a window on
// top is framed within a look, well before the next poll.  The frame shows
// about 0.6 s.
inline constexpr unsigned kFrameLookMs = 30;
inline constexpr int kFrameLooks = 33;
inline constexpr unsigned kFrameShowMs = 600;

// The band's width at the window's DPI: 4 pixels at 96 dpi.
int FrameThickness(int dpi);
// Just outside the window's visible frame, clipped to what may show it.
std::optional<platform::PixelRect> FrameAround(const platform::PixelRect& frame,
                                               const platform::PixelRect& clip, int thickness);
// Windows 11's radius for the window's corners; 0 where they are square.
int CornerRadius(const platform::WindowOnScreen& window);
// The accent colour Settings shows, else the glass colour, else the selection
// colour; the selection colour in high contrast and for one that can't be seen.
std::uint32_t FrameColour(const platform::SystemAccent& accent);
std::optional<platform::FrameDrawing> FrameFor(const platform::WindowOnScreen& window,
                                               std::uint32_t colour);

class PinFrame {
  public:
    explicit PinFrame(platform::Highlight& highlight) : highlight_(highlight) {}

    // An un-pin shows none, and takes a showing one away at once.
    void Toggled(platform::Handle window, bool wasTopmost);
    // The frame's own timer went off.
    void Wake();

  private:
    enum class Stage { Idle, Watching, Showing };

    void Watch();
    void Show(const platform::WindowOnScreen& window);

    platform::Highlight& highlight_;
    Stage stage_ = Stage::Idle;
    platform::Handle window_ = 0;
    int looksLeft_ = 0;
};

}  // namespace pin
