// What the About window and the maker's web pages say, and their colours.
#pragma once

#include <cstdint>

namespace about {

using Colour = std::uint32_t;
constexpr Colour kLinkBlue = 0x00FF0000;  // the contact line at rest
constexpr Colour kLinkRed = 0x000000FF;   // the contact line under the pointer
constexpr Colour kBlack = 0x00000000;     // the About window's title and credit

struct LinkColours {
    Colour atRest = kLinkBlue;
    Colour underPointer = kLinkRed;
};

// Filled in by the program (app::ColoursFor): as designed, or high contrast.
struct AboutColours {
    Colour back = 0;    // beside the picture
    Colour labels = 0;  // the title and the credit
    Colour help = 0;    // the instructions
};

inline constexpr wchar_t kWindowClass[] = L"Orvane.frmAbout";
inline constexpr wchar_t kCaption[] = L"关于Orvane窗口置顶工具";
inline constexpr wchar_t kTitle[] = L"Orvane窗口置顶工具 V2.0";
inline constexpr wchar_t kAuthorCredit[] = L"作者：Orvane软件工作室  出品";
inline constexpr wchar_t kInstructions[] =
    L"    "
    L"使用说明：在设定热键后，激活您想置顶的窗口，然后按已设定的热键即可，再按一次即可取消置顶。";

// The maker's web shop lives under a reserved example domain.
#define ORVANE_SHOP_ROOT L"https://shop.example.com/orvane/"
inline constexpr const wchar_t* kShopPage = ORVANE_SHOP_ROOT;
inline constexpr const wchar_t* kProductPage = ORVANE_SHOP_ROOT L"topmost-tool-v2.html";

inline constexpr wchar_t kBrowserPath[] = L"C:\\Program Files\\Internet Explorer\\iexplore.exe";

}  // namespace about
