// The frame in memory: windows' places on the screen as the test sets them,
// their topmost state from the fake desktop, and the frames shown and hidden
// in a log of their own, so that the desktop's log stays the pin's alone.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/Highlight.h"
#include "tests/fakes/FakeDesktop.h"

namespace fakes {

class FakeHighlight final : public platform::Highlight {
  public:
    explicit FakeHighlight(const FakeDesktop& desktop) : desktop_(desktop) {}

    // Where a window is; a window of the desktop without an entry is shown
    // at kPlace on a 96-dpi monitor of 1920 x 1080, the only one.
    static constexpr platform::WindowOnScreen kPlace{.topmost = false,
                                                     .shown = true,
                                                     .maximised = false,
                                                     .frame = {100, 100, 500, 400},
                                                     .monitor = {0, 0, 1920, 1080},
                                                     .workArea = {0, 0, 1920, 1040},
                                                     .screen = {0, 0, 1920, 1080},
                                                     .dpi = 96,
                                                     .corners = platform::Corners::DoNotRound};
    std::map<platform::Handle, platform::WindowOnScreen> places;
    platform::SystemAccent accent{false, std::nullopt, std::nullopt, 0xD77800};
    bool animations = false;
    // The frame's own timer: ms it was last set to, 0 when stopped or gone off.
    unsigned wakeMs = 0;
    // "show L,T,R,B width colour", "hide at once", "fade out".
    std::vector<std::string> frames;

    std::optional<platform::WindowOnScreen> Look(platform::Handle window) override;
    platform::SystemAccent Colours() override { return accent; }
    bool AnimationsOn() override { return animations; }
    void WakeIn(unsigned ms) override { wakeMs = ms; }
    void ShowFrame(const platform::FrameDrawing& frame) override;
    void HideFrame(platform::FrameEnd end) override;

  private:
    const FakeDesktop& desktop_;
};

}  // namespace fakes
