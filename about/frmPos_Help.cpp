// The help button, the contact link and its colour.
#include "about/WebLinks.h"
#include "app/Colours.h"
#include "app/Control.h"
#include "app/frmPos.h"
#include "platform/WindowEvents.h"

namespace app {

void frmPos::Command1_Click() {
    if (!ws_.help.IsAboutLoaded()) {
        ws_.help.LoadAbout();
    }
    ws_.help.ShowAbout();
    ws_.help.DoEvents();  // let the About window paint before the browser starts
    about::OpenPage(ws_.help, about::kProductPage);
}

void frmPos::LbQQ_Click() {
    ws_.help.DoEvents();
    about::OpenPage(ws_.help, about::kShopPage);
}

void frmPos::ColoursChanged(const FormColours& colours) {
    link_ = colours.link;
    ws_.controls.SetForeColour(Control::LbQQ, link_.atRest);
}

void frmPos::LbQQ_MouseMove(const platform::MouseMove& /*event*/) {
    ws_.controls.SetForeColour(Control::LbQQ, link_.underPointer);
}

}  // namespace app
