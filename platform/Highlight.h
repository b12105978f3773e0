// A brief frame round another program's window.
#pragma once

#include <algorithm>
#include <array>
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

// Pixels [from, to) of one row of the frame's picture; empty when to <= from.
struct Span {
    int from = 0;
    int to = 0;
    bool operator==(const Span&) const = default;
};

// How far in from the sides a rectangle with round corners begins in row y:
// a pixel is in when its centre lies within the corner's circle.
inline int CornerInset(int y, int height, int radius) {
    const int fromEdge = std::min(y, height - 1 - y);
    if (radius <= 0 || fromEdge >= radius) {
        return 0;
    }
    // Doubled: pixel centres at odd values, the circle's centre at 2 * radius.
    const int dy = 2 * radius - (2 * fromEdge + 1);
    int inset = 0;
    for (int dx = 2 * radius - 1; inset < radius && dx * dx + dy * dy > 4 * radius * radius;
         dx -= 2) {
        ++inset;
    }
    return inset;
}

// The band's pixels in row y of the frame's picture: the whole row, or its
// two ends round the hollow.
inline std::array<Span, 2> BandInRow(const FrameDrawing& frame, int y) {
    const int width = frame.outer.right - frame.outer.left;
    const int height = frame.outer.bottom - frame.outer.top;
    const int t = frame.thickness;
    const int r = frame.radius;
    const int outer = CornerInset(y, height, r > 0 ? r + t : 0);
    if (y < t || y >= height - t || width <= 2 * t) {
        return {Span{outer, width - outer}, Span{}};
    }
    const int inner = t + CornerInset(y - t, height - 2 * t, r);
    return {Span{outer, inner}, Span{width - inner, width - outer}};
}

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
