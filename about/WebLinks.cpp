#include "about/WebLinks.h"

#include <string>

#include "platform/Help.h"

namespace about {

std::string BrowserCommandLine(const std::string& url) {
    return std::string("\"") + kBrowserPath + "\"  " + url;
}

void OpenPage(platform::Help& help, const std::string& url) {
    if (!help.StartProcess(kBrowserPath, BrowserCommandLine(url))) {
        // Nothing more to try if this fails too: the page simply stays shut.
        (void)help.OpenInDefaultBrowser(url);
    }
}

}  // namespace about
