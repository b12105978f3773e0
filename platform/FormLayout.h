// Where a form's controls go, and how tall its fonts are, at a given DPI:
// everything comes from the definition's twips and points, so a window that
// moves to a monitor of another DPI lays itself out again from the same
// numbers.  (Labels that size themselves to their text, and the picture box,
// which takes its picture's size, are finished by the window system, which
// can measure.)
#pragma once

#include <vector>

#include "platform/FormDef.h"
#include "platform/PixelRect.h"

namespace platform {

struct ControlLayout {
    int id = 0;
    PixelRect rect;
    int fontHeight = 0;  // as CreateFont takes it: negative, the character height in pixels
};

struct FormLayout {
    int clientWidth = 0;
    int clientHeight = 0;
    std::vector<ControlLayout> controls;  // in the definition's order
};

// A font's height at a DPI, as CreateFont takes it.
int FontHeight(const FontSpec& font, int dpi);

// The form at a DPI; the picture box is pictureSide pixels square (the
// system's icon size at that DPI).
FormLayout LayoutAt(const FormDef& form, int dpi, int pictureSide);

}  // namespace platform
