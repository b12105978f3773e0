// A rectangle in pixels, as the window system gives one: right and bottom lie
// just outside it.
#pragma once

namespace platform {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const PixelRect&) const = default;
};

}  // namespace platform
