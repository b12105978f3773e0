// The maker's web pages and how they are opened.
#pragma once

#include <string>

#include "platform/Help.h"

namespace about {

// The maker's web shop lives under a reserved example domain.
#define ORVANE_SHOP_ROOT "https://shop.example.com/orvane/"
constexpr const char* kShopPage = ORVANE_SHOP_ROOT;
constexpr const char* kProductPage = ORVANE_SHOP_ROOT "topmost-tool-v2.html";

constexpr const char* kBrowserPath = "C:\\Program Files\\Internet Explorer\\iexplore.exe";

// The browser's path, quoted so that no "C:\Program.exe" is ever tried, two
// blanks, and the address.
std::string BrowserCommandLine(const std::string& url);

// Starts the fixed browser with the page; where it can't be started (current
// Windows has no Internet Explorer) the user's default browser opens it.
void OpenPage(platform::Help& help, const std::string& url);

}  // namespace about
