// Which colour each part of both windows takes.
#pragma once

#include <cstdint>

#include "about/About.h"

namespace app {

using about::AboutColours;
using about::Colour;
using about::LinkColours;

// The system's colours a window may take, as GetSysColor reports them.
struct SystemColours {
    Colour window = 0;      // COLOR_WINDOW
    Colour buttonFace = 0;  // COLOR_BTNFACE
    Colour windowText = 0;  // COLOR_WINDOWTEXT
    Colour hotLight = 0;    // COLOR_HOTLIGHT
    friend bool operator==(const SystemColours&, const SystemColours&) = default;
};

// The main window and its check box, as designed.
constexpr Colour kLavender = 0x00FFC0C0;

struct FormColours {
    Colour mainBack = 0;      // frmPos's background
    Colour checkBoxBack = 0;  // CbAuto's
    Colour checkBoxText = 0;
    LinkColours link;  // LbQQ
    AboutColours about;
};

// As designed; the About window in the system's dialog face.
inline FormColours Designed(const SystemColours& system) {
    return FormColours{
        .mainBack = kLavender,
        .checkBoxBack = kLavender,
        .checkBoxText = system.windowText,
        .link = LinkColours{},
        .about = AboutColours{
            .back = system.buttonFace, .labels = about::kBlack, .help = system.windowText}};
}

// High contrast: the theme's background, text and hyperlink colours.
inline FormColours HighContrast(const SystemColours& system) {
    return FormColours{
        .mainBack = system.window,
        .checkBoxBack = system.window,
        .checkBoxText = system.windowText,
        .link = LinkColours{.atRest = system.hotLight, .underPointer = system.windowText},
        .about = AboutColours{
            .back = system.window, .labels = system.windowText, .help = system.windowText}};
}

inline FormColours ColoursFor(bool highContrast, const SystemColours& system) {
    return highContrast ? HighContrast(system) : Designed(system);
}

}  // namespace app
