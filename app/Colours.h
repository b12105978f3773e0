// The colours of both windows: as designed, or the system's own when the
// user has a high-contrast theme on.  The one place that says which colour
// each part of the two windows takes.
#pragma once

#include "app/Controls.h"
#include "platform/SystemColours.h"

namespace app {

// The designed colours.
constexpr Colour kLavender = 0x00FFC0C0;  // the main window and its check box
constexpr Colour kLinkBlue = 0x00FF0000;  // the contact line at rest
constexpr Colour kLinkRed = 0x000000FF;   // the contact line under the pointer
constexpr Colour kBlack = 0x00000000;     // the About window's title and credit

using platform::SystemColours;

struct LinkColours {
    Colour atRest = kLinkBlue;
    Colour underPointer = kLinkRed;
};

struct AboutColours {
    Colour back = 0;    // frmAbout beside its picture
    Colour labels = 0;  // lblTitle and lblDescription
    Colour help = 0;    // LbHelp
};

struct FormColours {
    Colour mainBack = 0;      // frmPos's background
    Colour checkBoxBack = 0;  // CbAuto's
    Colour checkBoxText = 0;
    LinkColours link;  // LbQQ
    AboutColours about;
};

FormColours ColoursFor(bool highContrast, const SystemColours& system);

// Hands each part its colour: the main window's, with the contact line at
// rest, and the About window's.
void ColourMainWindow(Controls& controls, const FormColours& colours);
void ColourAboutWindow(Controls& controls, const AboutColours& colours);

}  // namespace app
