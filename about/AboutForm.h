// The About window as designed.
#pragma once

#include <iterator>

#include "app/resource.h"
#include "app/version.h"
#include "app/Colours.h"
#include "app/Control.h"
#include "app/Facts.h"
#include "platform/FormDef.h"

namespace about {

using app::Control;
using app::ControlId;
using platform::ControlKind;

using app::kBlack;

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
     .caption = ORVANE_WINDOW_CAPTION,
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
    .className = app::facts::kAboutWindowClass,
    .caption = "关于Orvane窗口置顶工具",
    .clientWidth = 7965,
    .clientHeight = 2985,
    .border = platform::Border::FixedDialog,
    .backgroundResource = IDR_ABOUT_GIF,
    .controls = kAboutControls,
    .controlCount = static_cast<int>(std::size(kAboutControls)),
};

}  // namespace about
