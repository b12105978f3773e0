// The main window as designed: caption, size, colours and controls in tab order.
#pragma once

#include <iterator>
#include <string_view>

#include "about/AboutColours.h"
#include "about/AboutForm.h"
#include "app/Colours.h"
#include "app/Facts.h"
#include "app/version.h"
#include "platform/Control.h"
#include "platform/FormDef.h"

namespace app {

constexpr platform::FontSpec kSongTi12{"宋体", 120, platform::kWeightNormal, false};
constexpr platform::FontSpec kFangSong10Underlined{"仿宋", 105, platform::kWeightNormal, true};

// Who to ask, and where: the contact line at the bottom of the window.
constexpr const char* kContactCaption = "联系作者 QQ：10001（欢迎光临Orvane网店）";

// The About window's title names the program as this window's caption does.
static_assert(std::string_view(about::kTitle) == ORVANE_WINDOW_CAPTION);

using platform::Control;
using platform::ControlId;
using platform::ControlKind;

inline constexpr platform::ControlDef kMainControls[] = {
    {.id = ControlId(Control::Text1),
     .kind = ControlKind::TextBox,
     .caption = "F8",
     .rect = {1755, 135, 420, 390},
     .font = kSongTi12,
     .enabled = false},
    {.id = ControlId(Control::cmdSetKey),
     .kind = ControlKind::Button,
     .caption = "设置热键",
     .rect = {180, 135, 1515, 375},
     .font = kSongTi12},
    {.id = ControlId(Control::cmdMini),
     .kind = ControlKind::Button,
     .caption = "托盘",
     .rect = {2745, 135, 795, 375},
     .font = kSongTi12},
    // The box stands after its caption, at the right of the window.
    {.id = ControlId(Control::CbAuto),
     .kind = ControlKind::CheckBox,
     .caption = "下次自动托盘显示",
     .rect = {2430, 945, 1905, 315},
     .backColour = kLavender,
     .textLeftOfBox = true},
    {.id = ControlId(Control::Command1),
     .kind = ControlKind::Button,
     .caption = "帮助",
     .rect = {3600, 135, 795, 375},
     .font = kSongTi12},
    {.id = ControlId(Control::LbQQ),
     .kind = ControlKind::Label,
     .caption = kContactCaption,
     .rect = {225, 630, 4095, 210},
     .font = kFangSong10Underlined,
     .foreColour = about::kLinkBlue,
     .autoSize = true},
};

inline constexpr platform::FormDef kFrmPos{
    .className = app::facts::kMainWindowClass,
    .caption = ORVANE_WINDOW_CAPTION,
    .clientWidth = 4590,
    .clientHeight = 1335,
    .left = 7200,
    .top = 4650,
    .backColour = kLavender,
    .border = platform::Border::FixedSingle,
    .controls = kMainControls,
    .controlCount = static_cast<int>(std::size(kMainControls)),
};

}  // namespace app
