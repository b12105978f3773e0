// Help: a second window shown beside the main one, and other programs
// started for the user (the web browser).
#pragma once

#include <string>

namespace platform {

class Help {
  public:
    virtual ~Help() = default;

    // The About window: loaded on demand, shown modeless and ownerless.
    virtual bool IsAboutLoaded() = 0;
    virtual void LoadAbout() = 0;
    virtual void ShowAbout() = 0;
    // Paints what of the program's windows waits to be painted, and runs no
    // other event.
    virtual void PaintNow() = 0;

    [[nodiscard]] virtual bool StartProcess(const std::string& application,
                                            const std::string& commandLine) = 0;
    [[nodiscard]] virtual bool OpenInDefaultBrowser(const std::string& url) = 0;
};

}  // namespace platform
