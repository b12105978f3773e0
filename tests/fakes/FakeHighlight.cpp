#include "tests/fakes/FakeHighlight.h"

namespace fakes {

std::optional<platform::WindowOnScreen> FakeHighlight::Look(platform::Handle window) {
    const auto style = desktop_.exStyles.find(window);
    if (style == desktop_.exStyles.end()) {
        return std::nullopt;  // no such window
    }
    const auto place = places.find(window);
    platform::WindowOnScreen look = place == places.end() ? kPlace : place->second;
    look.topmost = (style->second & platform::kExStyleTopmost) != 0;
    return look;
}

void FakeHighlight::ShowFrame(const platform::FrameDrawing& frame) {
    const platform::PixelRect& r = frame.outer;
    frames.push_back("show " + std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                     std::to_string(r.right) + "," + std::to_string(r.bottom) + " " +
                     std::to_string(frame.thickness) + " " + Hex(frame.colour));
}

void FakeHighlight::HideFrame(platform::FrameEnd end) {
    frames.push_back(end == platform::FrameEnd::FadeOut ? "fade out" : "hide at once");
}

}  // namespace fakes
