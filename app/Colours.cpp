#include "app/Colours.h"

#include "about/About.h"

namespace app {

namespace {

// As designed: lavender with a blue link that turns red under the pointer;
// the About window keeps the system's dialog face and window text.
FormColours Designed(const SystemColours& system) {
    return FormColours{
        .mainBack = kLavender,
        .checkBoxBack = kLavender,
        .checkBoxText = system.windowText,
        .link = LinkColours{},
        .about = AboutColours{
            .back = system.buttonFace, .labels = about::kBlack, .help = system.windowText}};
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
        .about = AboutColours{
            .back = system.window, .labels = system.windowText, .help = system.windowText}};
}

}  // namespace

FormColours ColoursFor(bool highContrast, const SystemColours& system) {
    return highContrast ? HighContrast(system) : Designed(system);
}

}  // namespace app
