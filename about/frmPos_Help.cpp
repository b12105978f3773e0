// The help button, the contact link, and the colours of both windows.
#include "about/WebLinks.h"
#include "app/Colours.h"
#include "app/Control.h"
#include "app/frmPos.h"
#include "platform/WindowEvents.h"

namespace app {

void frmPos::Command1_Click() {
    if (!roles_.help.IsAboutLoaded()) {
        roles_.help.LoadAbout();
        if (aboutColours_) {
            ColourAboutWindow(roles_.controls, *aboutColours_);
        }
    }
    roles_.help.ShowAbout();
    roles_.help.DoEvents();  // let the About window paint before the browser starts
    about::OpenPage(roles_.help, about::kProductPage);
}

void frmPos::LbQQ_Click() {
    roles_.help.DoEvents();
    about::OpenPage(roles_.help, about::kShopPage);
}

// An About window that isn't open takes them when it opens.
void frmPos::ColoursChanged(const FormColours& colours) {
    link_ = colours.link;
    aboutColours_ = colours.about;
    ColourMainWindow(roles_.controls, colours);
    if (roles_.help.IsAboutLoaded()) {
        ColourAboutWindow(roles_.controls, colours.about);
    }
}

void frmPos::LbQQ_MouseMove(const platform::MouseMove& /*event*/) {
    roles_.controls.SetForeColour(Control::LbQQ, link_.underPointer);
}

}  // namespace app
