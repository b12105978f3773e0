// The help button, the contact link and its colour.
#include "about/WebLinks.h"
#include "app/MainForm.h"
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

void frmPos::LbQQ_MouseMove(const platform::MouseMove& /*event*/) {
    ws_.SetForeColour(Control::LbQQ, kLinkRed);
}

}  // namespace app
