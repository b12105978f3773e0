// The program's windows and their controls: its own words for them, and the
// child-window ids the window system knows them by.
#pragma once

namespace platform {

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

// The child-window id of the first control; each next one takes one more.
// The end-to-end driver finds the controls by these ids too.
inline constexpr int kFirstControlId = 100;

constexpr int ControlId(Control control) {
    return kFirstControlId + static_cast<int>(control);
}

}  // namespace platform
