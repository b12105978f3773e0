// The help button, the contact link and its colour.
#include "about/WebLinks.h"
#include "app/frmPos.h"

namespace app {

void frmPos::Command1_Click() {
    if (!ws_.IsAboutLoaded()) {
        ws_.LoadAbout();
    }
    ws_.ShowAbout();
    ws_.DoEvents();  // let the About window paint before the browser starts
    about::OpenPage(ws_, about::kProductPage);
}

void frmPos::LbQQ_Click() {
    ws_.DoEvents();
    about::OpenPage(ws_, about::kShopPage);
}

void frmPos::ColoursChanged(const FormColours& colours) {
    link_ = colours.link;
    ws_.SetForeColour(Control::LbQQ, link_.atRest);
}

void frmPos::LbQQ_MouseMove(const platform::MouseMove& /*event*/) {
    ws_.SetForeColour(Control::LbQQ, link_.underPointer);
}

}  // namespace app
