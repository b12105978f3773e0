#include "pin/PinFrame.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "platform/Desktop.h"
#include "platform/Highlight.h"

namespace pin {
namespace {

constexpr int kDesignDpi = 96;
constexpr int kThicknessAtDesignDpi = 4;
// Windows 11's corner radii at 96 dpi: windows, and those asking for small ones.
constexpr int kRoundRadius = 8;
constexpr int kRoundSmallRadius = 4;
// Luma (Rec. 709, 0-255) outside these is lost against a dark or a light window.
constexpr int kDarkestLuma = 32;
constexpr int kPalestLuma = 224;

int AtDpi(int pixels, int dpi) {
    if (dpi <= 0) {
        dpi = kDesignDpi;  // not reported: as designed
    }
    return (pixels * dpi + kDesignDpi / 2) / kDesignDpi;
}

// A snapped window fills a side, a corner or a column of the work area: it
// meets two of the work area's edges or more.
bool Snapped(const platform::PixelRect& frame, const platform::PixelRect& work) {
    const int edges = (frame.left == work.left ? 1 : 0) + (frame.top == work.top ? 1 : 0) +
                      (frame.right == work.right ? 1 : 0) + (frame.bottom == work.bottom ? 1 : 0);
    return edges >= 2;
}

std::uint32_t Channel(std::uint32_t colour, int shift) {
    return (colour >> shift) & 0xFFU;
}

bool Visible(std::uint32_t bgr) {
    const std::uint32_t luma =
        (2126 * Channel(bgr, 0) + 7152 * Channel(bgr, 8) + 722 * Channel(bgr, 16)) / 10000;
    return luma >= kDarkestLuma && luma <= kPalestLuma;
}

}  // namespace

int FrameThickness(int dpi) {
    return std::max(1, AtDpi(kThicknessAtDesignDpi, dpi));
}

std::optional<platform::PixelRect> FrameAround(const platform::PixelRect& frame,
                                               const platform::PixelRect& clip, int thickness) {
    const platform::PixelRect outer{
        std::max(frame.left - thickness, clip.left),
        std::max(frame.top - thickness, clip.top),
        std::min(frame.right + thickness, clip.right),
        std::min(frame.bottom + thickness, clip.bottom),
    };
    if (outer.left >= outer.right || outer.top >= outer.bottom) {
        return std::nullopt;
    }
    return outer;
}

// Maximised and snapped windows keep square corners on Windows 11 too.
int CornerRadius(const platform::WindowOnScreen& window) {
    if (window.corners == platform::Corners::DoNotRound || window.maximised ||
        Snapped(window.frame, window.workArea)) {
        return 0;
    }
    const platform::PixelRect& f = window.frame;  // no wider than a tiny window allows
    return std::min(
        {AtDpi(window.corners == platform::Corners::RoundSmall ? kRoundSmallRadius : kRoundRadius,
               window.dpi),
         (f.right - f.left) / 2, (f.bottom - f.top) / 2});
}

std::uint32_t FrameColour(const platform::SystemAccent& accent) {
    std::optional<std::uint32_t> colour;
    if (accent.accent) {
        colour = *accent.accent & 0xFFFFFFU;  // the band is opaque whatever the alpha
    } else if (accent.colorization) {
        const std::uint32_t argb = *accent.colorization;
        colour = Channel(argb, 16) | (Channel(argb, 8) << 8) | (Channel(argb, 0) << 16);
    }
    if (accent.highContrast || !colour || !Visible(*colour)) {
        return accent.selection;
    }
    return *colour;
}

// Across monitors the band shows on each; a maximised window's edges lie off
// its monitor, so its band keeps to that monitor rather than the next one.
std::optional<platform::FrameDrawing> FrameFor(const platform::WindowOnScreen& window,
                                               std::uint32_t colour) {
    if (!window.shown) {
        return std::nullopt;
    }
    const int thickness = FrameThickness(window.dpi);
    const std::optional<platform::PixelRect> outer =
        FrameAround(window.frame, window.maximised ? window.monitor : window.screen, thickness);
    if (!outer) {
        return std::nullopt;
    }
    return platform::FrameDrawing{*outer, thickness, CornerRadius(window), colour};
}

void PinFrame::Toggled(platform::Handle window, bool wasTopmost) {
    if (stage_ == Stage::Showing) {
        highlight_.HideFrame(platform::FrameEnd::AtOnce);
    }
    if (wasTopmost) {
        highlight_.WakeIn(0);
        stage_ = Stage::Idle;
        return;
    }
    window_ = window;
    looksLeft_ = kFrameLooks;
    stage_ = Stage::Watching;
    highlight_.WakeIn(kFrameLookMs);  // the toggle is on its way to the window's thread
}

void PinFrame::Wake() {
    switch (stage_) {
        case Stage::Idle:
            return;
        case Stage::Watching:
            Watch();
            return;
        case Stage::Showing:
            highlight_.HideFrame(highlight_.AnimationsOn() ? platform::FrameEnd::FadeOut
                                                           : platform::FrameEnd::AtOnce);
            stage_ = Stage::Idle;
            return;
    }
}

// Gone, or on top but unseen: no frame; not on top yet: it may still get there.
void PinFrame::Watch() {
    const std::optional<platform::WindowOnScreen> window = highlight_.Look(window_);
    if (window && window->topmost) {
        Show(*window);
        return;
    }
    if (!window || --looksLeft_ == 0) {
        stage_ = Stage::Idle;
        return;
    }
    highlight_.WakeIn(kFrameLookMs);
}

void PinFrame::Show(const platform::WindowOnScreen& window) {
    const std::optional<platform::FrameDrawing> frame =
        FrameFor(window, FrameColour(highlight_.Colours()));
    if (!frame) {
        stage_ = Stage::Idle;
        return;
    }
    highlight_.ShowFrame(*frame);
    stage_ = Stage::Showing;
    highlight_.WakeIn(kFrameShowMs);
}

}  // namespace pin
