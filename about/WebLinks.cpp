#include "about/WebLinks.h"

namespace about {

std::string BrowserCommandLine(const std::string& url) {
    return std::string("\"") + kBrowserPath + "\"  " + url;
}

void OpenPage(platform::WindowSystem& ws, const std::string& url) {
    if (!ws.StartProcess(kBrowserPath, BrowserCommandLine(url))) {
        ws.OpenInDefaultBrowser(url);
    }
}

}  // namespace about
