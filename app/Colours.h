// The colours of both windows: as designed, or the system's own when the
// user has a high-contrast theme on.  The one place that says which colour
// each part of the two windows takes.
#pragma once

#include <cstdint>

#include "platform/SystemColours.h"

namespace app {

// 0x00BBGGRR, as GDI's COLORREF.
using Colour = std::uint32_t;

// The designed colours.
constexpr Colour kLavender = 0x00FFC0C0;  // the main window and its check box
constexpr Colour kLinkBlue = 0x00FF0000;  // the contact line at rest
constexpr Colour kLinkRed = 0x000000FF;   // the contact line under the pointer
constexpr Colour kBlack = 0x00000000;     // the About window's title and credit

using platform::SystemColours;

struct LinkColours {
    Colour atRest = kLinkBlue;
    Colour underPointer = kLinkRed;
    friend bool operator==(const LinkColours&, const LinkColours&) = default;
};

struct FormColours {
    Colour mainBack = 0;      // frmPos's background
    Colour checkBoxBack = 0;  // CbAuto's
    Colour checkBoxText = 0;
    LinkColours link;        // LbQQ
    Colour aboutBack = 0;    // frmAbout beside its picture
    Colour aboutLabels = 0;  // lblTitle and lblDescription
    Colour aboutHelp = 0;    // LbHelp
    friend bool operator==(const FormColours&, const FormColours&) = default;
};

FormColours ColoursFor(bool highContrast, const SystemColours& system);

}  // namespace app
