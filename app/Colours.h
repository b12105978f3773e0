// The colours of both windows: as designed, or the system's own when the
// user has a high-contrast theme on.  The one place that says which colour
// each part of the two windows takes.
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

FormColours ColoursFor(bool highContrast, const SystemColours& system);

}  // namespace app
