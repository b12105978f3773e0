#include "app/Colours.h"

namespace app {
namespace {

// As designed: lavender with a blue link that turns red under the pointer;
// the About window keeps the system's dialog face and window text.
FormColours Designed(const SystemColours& system) {
    return FormColours{.mainBack = kLavender,
                       .checkBoxBack = kLavender,
                       .checkBoxText = system.windowText,
                       .link = LinkColours{},
                       .aboutBack = system.buttonFace,
                       .aboutLabels = kBlack,
                       .aboutHelp = system.windowText};
}

// Every part on the theme's background, in its text colour; the link in its
// hyperlink colour.  Those three are the ones a contrast theme sets against
// each other.  Under the pointer the link takes the text colour: the
// change still shows, both stay readable, and the underline keeps it a link.
FormColours HighContrast(const SystemColours& system) {
    return FormColours{
        .mainBack = system.window,
        .checkBoxBack = system.window,
        .checkBoxText = system.windowText,
        .link = LinkColours{.atRest = system.hotLight, .underPointer = system.windowText},
        .aboutBack = system.window,
        .aboutLabels = system.windowText,
        .aboutHelp = system.windowText};
}

}  // namespace

FormColours ColoursFor(bool highContrast, const SystemColours& system) {
    return highContrast ? HighContrast(system) : Designed(system);
}

}  // namespace app
