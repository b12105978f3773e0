// The frame's picture: which pixels of each row are band.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "platform/Highlight.h"

namespace {

// Whether a point lies within a rectangle whose corners are circles of
// radius r: within r of the rectangle shrunk by r.
bool Within(double x, double y, double left, double top, double right, double bottom, double r) {
    const double cx = std::max(left + r, std::min(x, right - r));
    const double cy = std::max(top + r, std::min(y, bottom - r));
    return x >= left && x < right && y >= top && y < bottom &&
           (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

// Every pixel of frames with square and round corners, a thin one and a
// large one: band exactly where its centre lies within the outer edge and
// not within the window's.
TEST(FrameBand, IsTheRingBetweenTheOuterEdgeAndTheWindow) {
    const std::array<int, 4> frames[] = {
        {40, 30, 4, 0}, {40, 30, 4, 8}, {17, 13, 3, 3}, {6, 30, 4, 0}, {300, 200, 6, 12}};
    for (const auto& [width, height, t, r] : frames) {
        const platform::FrameDrawing frame{{10, 20, 10 + width, 20 + height}, t, r, 0};
        const double outerRadius = r > 0 ? r + t : 0;
        int wrong = 0;
        for (int y = 0; y < height; ++y) {
            const std::array<platform::Span, 2> spans = platform::BandInRow(frame, y);
            for (int x = 0; x < width; ++x) {
                const double cx = x + 0.5;
                const double cy = y + 0.5;
                const bool band = Within(cx, cy, 0, 0, width, height, outerRadius) &&
                                  !Within(cx, cy, t, t, width - t, height - t, r);
                const bool drawn = (x >= spans[0].from && x < spans[0].to) ||
                                   (x >= spans[1].from && x < spans[1].to);
                wrong += drawn != band ? 1 : 0;
            }
        }
        EXPECT_EQ(wrong, 0) << width << " x " << height << ", band " << t << ", radius " << r;
    }
}

}  // namespace
