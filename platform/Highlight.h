// A brief frame round another program's window.
#pragma once

#include <cstdint>
#include <optional>

#include "platform/Desktop.h"

namespace platform {

// In pixels; right and bottom just outside.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

// How Windows 11 rounds a window's corners, in DWM_WINDOW_CORNER_PREFERENCE's
// values; DoNotRound too before Windows 11 and for windows it leaves square.
enum class Corners : std::uint32_t { Default = 0, DoNotRound = 1, Round = 2, RoundSmall = 3 };

struct WindowOnScreen {
    bool topmost = false;
    // Visible and not minimised.
    bool shown = false;
    bool maximised = false;
    // As seen: without Windows 10's invisible resize borders.
    PixelRect frame;
    // The whole of the monitor the window is on (most of it), its work area
    // (a snapped window fills a side of it), and all monitors together.
    PixelRect monitor;
    PixelRect workArea;
    PixelRect screen;
    // Of that monitor: the DPI Windows shows the window at.
    int dpi = 96;
    // Corners as its style and preference would have them, snapped or not.
    Corners corners = Corners::DoNotRound;
};

// The colours a frame may take, 0x00BBGGRR like GetSysColor's.
struct SystemAccent {
    bool highContrast = false;
    // The accent colour Settings shows, as the shell keeps it (0xAABBGGRR).
    std::optional<std::uint32_t> accent;
    // DwmGetColorizationColor's, 0xAARRGGBB, where composition is on.
    std::optional<std::uint32_t> colorization;
    std::uint32_t selection = 0;  // COLOR_HIGHLIGHT
};

// The frame to draw: a band of this thickness just inside outer, its inner
// edge rounded like the window's corners (radius 0: square).
struct FrameDrawing {
    PixelRect outer;
    int thickness = 0;
    int radius = 0;
    std::uint32_t colour = 0;  // 0x00BBGGRR
    friend bool operator==(const FrameDrawing&, const FrameDrawing&) = default;
};

enum class FrameEnd { AtOnce, FadeOut };

class Highlight {
  public:
    virtual ~Highlight() = default;

    // Nothing when the window is gone.
    virtual std::optional<WindowOnScreen> Look(Handle window) = 0;
    virtual SystemAccent Colours() = 0;
    // "Show animations in Windows" (SPI_GETCLIENTAREAANIMATION).
    virtual bool AnimationsOn() = 0;

    // The frame's own timer: Wake once, ms from now; 0 stops it.
    virtual void WakeIn(unsigned ms) = 0;

    // Shown on top of every window, taking neither the focus nor a click.
    virtual void ShowFrame(const FrameDrawing& frame) = 0;
    virtual void HideFrame(FrameEnd end) = 0;
};

}  // namespace platform
