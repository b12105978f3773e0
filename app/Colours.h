// The colours of both windows: as designed, or the system's own when the
// user has a high-contrast theme on.  The one place that says which colour
// each part of the two windows takes.
#pragma once

#include "about/AboutColours.h"
#include "platform/Controls.h"
#include "platform/SystemColours.h"

namespace app {

using about::AboutColours;
using about::LinkColours;
using platform::Colour;
using platform::SystemColours;

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

// Hands each part of the main window its colour, the contact line at rest;
// the About window takes its own (about::HelpLinks).
void ColourMainWindow(platform::Controls& controls, const FormColours& colours);

}  // namespace app
