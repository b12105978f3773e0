// The About window as designed.
#pragma once

#include <iterator>

#include "about/AboutColours.h"
#include "about/resource.h"
#include "platform/Control.h"
#include "platform/FormDef.h"

namespace about {

using platform::Control;
using platform::ControlId;
using platform::ControlKind;

// One window class per window.
inline constexpr wchar_t kWindowClass[] = L"Orvane.frmAbout";
// The program's name and version, as the main window's caption has it.
constexpr const char* kTitle = "Orvane窗口置顶工具 V2.0";

constexpr platform::FontSpec kKaiTi12Bold{"楷体", 120, platform::kWeightBold, false};
constexpr platform::FontSpec kLiShu15Bold{"隶书", 150, platform::kWeightBold, false};
constexpr platform::FontSpec kYouYuan9{"幼圆", 90, platform::kWeightNormal, false};

constexpr const char* kAuthorCredit = "作者：Orvane软件工作室  出品";
constexpr const char* kInstructions =
    "    "
    "使用说明：在设定热键后，激活您想置顶的窗口，然后按已设定的热键即可，再按一次即可取消置顶。";

inline constexpr platform::ControlDef kAboutControls[] = {
    {.id = ControlId(Control::picIcon),
     .kind = ControlKind::PictureBox,
     .caption = "",
     .rect = {6975, 180, 480, 480}},
    {.id = ControlId(Control::lblDescription),
     .kind = ControlKind::Label,
     .caption = kAuthorCredit,
     .rect = {3375, 1170, 4965, 330},
     .font = kKaiTi12Bold,
     .foreColour = kBlack},
    {.id = ControlId(Control::lblTitle),
     .kind = ControlKind::Label,
     .caption = kTitle,
     .rect = {3465, 270, 3885, 480},
     .font = kLiShu15Bold,
     .foreColour = kBlack},
    {.id = ControlId(Control::LbHelp),
     .kind = ControlKind::Label,
     .caption = kInstructions,
     .rect = {3645, 1800, 3855, 1155},
     .font = kYouYuan9,
     .wordWrap = true},
};

inline constexpr platform::FormDef kFrmAbout{
    .className = kWindowClass,
    .caption = "关于Orvane窗口置顶工具",
    .clientWidth = 7965,
    .clientHeight = 2985,
    .border = platform::Border::FixedDialog,
    .backgroundResource = IDR_ABOUT_GIF,
    .controls = kAboutControls,
    .controlCount = static_cast<int>(std::size(kAboutControls)),
};

}  // namespace about
