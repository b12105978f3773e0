// The colours of the contact line and of the About window: the designed
// ones, and what the two take from the colours the program decides on.
#pragma once

#include "platform/Controls.h"

namespace about {

using platform::Colour;

constexpr Colour kLinkBlue = 0x00FF0000;  // the contact line at rest
constexpr Colour kLinkRed = 0x000000FF;   // the contact line under the pointer
constexpr Colour kBlack = 0x00000000;     // the About window's title and credit

struct LinkColours {
    Colour atRest = kLinkBlue;
    Colour underPointer = kLinkRed;
};

struct AboutColours {
    Colour back = 0;    // frmAbout beside its picture
    Colour labels = 0;  // lblTitle and lblDescription
    Colour help = 0;    // LbHelp
};

}  // namespace about
