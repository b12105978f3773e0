#include "about/HelpLinks.h"

#include "about/AboutColours.h"
#include "about/WebLinks.h"
#include "platform/Control.h"

namespace about {

using platform::Control;

// The About window is drawn before the browser starts, which may take a
// while to come up.  Only painting runs here, no other event: a tick, a
// second click or a close can't run inside the click.
void HelpLinks::ShowHelp() {
    if (!help_.IsAboutLoaded()) {
        help_.LoadAbout();
        if (aboutColours_) {
            ColourAboutWindow(*aboutColours_);
        }
    }
    help_.ShowAbout();
    help_.PaintNow();
    OpenPage(help_, kProductPage);
}

void HelpLinks::OpenShop() {
    help_.PaintNow();
    OpenPage(help_, kShopPage);
}

void HelpLinks::PointerOnLink() {
    controls_.SetForeColour(Control::LbQQ, link_.underPointer);
}

void HelpLinks::PointerOffLink() {
    controls_.SetForeColour(Control::LbQQ, link_.atRest);
}

void HelpLinks::ColoursChanged(const LinkColours& link, const AboutColours& about) {
    link_ = link;
    aboutColours_ = about;
    if (help_.IsAboutLoaded()) {
        ColourAboutWindow(about);
    }
}

void HelpLinks::ColourAboutWindow(const AboutColours& colours) {
    controls_.SetFormBackColour(platform::Form::About, colours.back);
    controls_.SetForeColour(Control::lblTitle, colours.labels);
    controls_.SetForeColour(Control::lblDescription, colours.labels);
    controls_.SetForeColour(Control::LbHelp, colours.help);
}

}  // namespace about
