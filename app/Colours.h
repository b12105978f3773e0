// Which colour each part of both windows takes.
#pragma once

#include <cstdint>

#include "about/About.h"

namespace app {

using about::AboutColours;
using about::Colour;
using about::LinkColours;

struct SystemColours {
    Colour window = 0;      // COLOR_WINDOW
    Colour buttonFace = 0;  // COLOR_BTNFACE
    Colour windowText = 0;  // COLOR_WINDOWTEXT
    Colour hotLight = 0;    // COLOR_HOTLIGHT
    friend bool operator==(const SystemColours&, const SystemColours&) = default;
};

constexpr Colour kLavender = 0x00FFC0C0;

struct FormColours {
    Colour mainBack = 0;      // frmPos's background
    Colour checkBoxBack = 0;  // CbAuto's
    Colour checkBoxText = 0;
    LinkColours link;  // LbQQ
    AboutColours about;
};

// As designed, the About window in the system's dialog face; or the high
// contrast theme's background, text and hyperlink colours.
inline FormColours ColoursFor(bool highContrast, const SystemColours& system) {
    if (!highContrast) {
        return {kLavender, kLavender, system.windowText, LinkColours{},
                AboutColours{system.buttonFace, about::kBlack, system.windowText}};
    }
    return {system.window, system.window, system.windowText,
            LinkColours{system.hotLight, system.windowText},
            AboutColours{system.window, system.windowText, system.windowText}};
}

}  // namespace app
