// The help button, the contact line that is a link, and the About window.
#pragma once

#include <optional>

#include "about/AboutColours.h"
#include "platform/Controls.h"
#include "platform/Help.h"

namespace about {

class HelpLinks {
  public:
    HelpLinks(platform::Help& help, platform::Controls& controls)
        : help_(help), controls_(controls) {}

    // The help button: the About window, then the product's page.
    void ShowHelp();
    // The contact line clicked: the maker's shop.
    void OpenShop();
    // The contact line turns red under the pointer, and blue again anywhere
    // else on the window.
    void PointerOnLink();
    void PointerOffLink();
    // The colours the two take from now on; an About window that isn't open
    // takes them when it opens.
    void ColoursChanged(const LinkColours& link, const AboutColours& about);

  private:
    void ColourAboutWindow(const AboutColours& colours);

    platform::Help& help_;
    platform::Controls& controls_;
    LinkColours link_;
    std::optional<AboutColours> aboutColours_;  // none heard yet: as designed
};

}  // namespace about
