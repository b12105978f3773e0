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

}  // namespace

int FrameThickness(int dpi) {
    if (dpi <= 0) {
        dpi = kDesignDpi;  // not reported: as designed
    }
    return std::max(1, (kThicknessAtDesignDpi * dpi + kDesignDpi / 2) / kDesignDpi);
}

std::optional<platform::PixelRect> FrameAround(const platform::PixelRect& frame,
                                               const platform::PixelRect& monitor, int thickness) {
    const platform::PixelRect outer{
        std::max(frame.left - thickness, monitor.left),
        std::max(frame.top - thickness, monitor.top),
        std::min(frame.right + thickness, monitor.right),
        std::min(frame.bottom + thickness, monitor.bottom),
    };
    if (outer.left >= outer.right || outer.top >= outer.bottom) {
        return std::nullopt;
    }
    return outer;
}

std::uint32_t FrameColour(const platform::SystemAccent& accent) {
    if (accent.highContrast || !accent.colorization) {
        return accent.selection;
    }
    // 0xAARRGGBB to 0x00BBGGRR; the band is opaque whatever the alpha.
    const std::uint32_t argb = *accent.colorization;
    const std::uint32_t red = (argb >> 16) & 0xFF;
    const std::uint32_t green = (argb >> 8) & 0xFF;
    const std::uint32_t blue = argb & 0xFF;
    return red | (green << 8) | (blue << 16);
}

std::optional<platform::FrameDrawing> FrameFor(const platform::WindowOnScreen& window,
                                               std::uint32_t colour) {
    if (!window.shown) {
        return std::nullopt;
    }
    const int thickness = FrameThickness(window.dpi);
    const std::optional<platform::PixelRect> outer =
        FrameAround(window.frame, window.monitor, thickness);
    if (!outer) {
        return std::nullopt;
    }
    return platform::FrameDrawing{*outer, thickness, colour};
}

void PinFrame::Toggled(platform::Handle window, bool wasTopmost) {
    if (stage_ == Stage::Showing) {
        End(platform::FrameEnd::AtOnce);
    }
    stage_ = wasTopmost ? Stage::Idle : Stage::Pinned;
    window_ = window;
}

void PinFrame::Tick() {
    switch (stage_) {
        case Stage::Idle:
            return;
        case Stage::Pinned:
            // The toggle's own tick: the window is looked at from the next on.
            stage_ = Stage::Watching;
            ticksLeft_ = kFrameWatchTicks;
            return;
        case Stage::Watching:
            Watch();
            return;
        case Stage::Showing:
            if (--ticksLeft_ == 0) {
                End(highlight_.AnimationsOn() ? platform::FrameEnd::FadeOut
                                              : platform::FrameEnd::AtOnce);
            }
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
    if (!window || --ticksLeft_ == 0) {
        stage_ = Stage::Idle;
    }
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
    ticksLeft_ = kFrameShowTicks;
}

}  // namespace pin
