// The program's windows and their controls: its own words for them.
#pragma once

#include "app/Facts.h"

namespace app {

enum class Form { Main, About };  // frmPos and frmAbout

enum class Control : int {
    Text1,           // the box that shows the hotkey's name and captures a new one
    cmdSetKey,       // the set-hotkey button, "设置热键" or "确定"
    cmdMini,         // the tray button, "托盘"
    CbAuto,          // the start-in-tray check box, "下次自动托盘显示"
    Command1,        // the help button, "帮助"
    LbQQ,            // the contact line, a link to the maker's shop
    picIcon,         // the About window's picture of the icon
    lblDescription,  // the About window's author credit
    lblTitle,        // the About window's title
    LbHelp,          // the About window's instructions
};

// The child-window id the window system gives a control.
constexpr int ControlId(Control control) {
    return facts::kFirstControlId + static_cast<int>(control);
}

}  // namespace app
