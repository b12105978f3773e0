// The help button, the contact link and its colour.
#include "about/WebLinks.h"
#include "app/Colours.h"
#include "app/Control.h"
#include "app/frmPos.h"
#include "platform/WindowEvents.h"

namespace app {

void frmPos::Command1_Click() {
    if (!roles_.help.IsAboutLoaded()) {
        roles_.help.LoadAbout();
    }
    roles_.help.ShowAbout();
    roles_.help.DoEvents();  // let the About window paint before the browser starts
    about::OpenPage(roles_.help, about::kProductPage);
}

void frmPos::LbQQ_Click() {
    roles_.help.DoEvents();
    about::OpenPage(roles_.help, about::kShopPage);
}

void frmPos::ColoursChanged(const FormColours& colours) {
    link_ = colours.link;
    roles_.controls.SetForeColour(Control::LbQQ, link_.atRest);
}

void frmPos::LbQQ_MouseMove(const platform::MouseMove& /*event*/) {
    roles_.controls.SetForeColour(Control::LbQQ, link_.underPointer);
}

}  // namespace app
