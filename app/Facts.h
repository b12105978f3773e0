// The facts about the program that other programs rely on too: the
// end-to-end driver and the bench find its windows, controls and settings
// file by them, and time their key presses by its poll.  Each is stated once,
// by the part of the program it belongs to; here they are together.
#pragma once

#include <cstdint>

#include "about/About.h"
#include "pin/HotkeyPoll.h"
#include "settings/ConfigFile.h"
#include "tray/TrayIcon.h"

namespace app {

// The main window's controls, in tab order.
enum class Control : int {
    Text1,      // the box that shows the hotkey's name and captures a new one
    cmdSetKey,  // the set-hotkey button, "设置热键" or "确定"
    cmdMini,    // the tray button, "托盘"
    CbAuto,     // the start-in-tray check box, "下次自动托盘显示"
    Command1,   // the help button, "帮助"
    LbQQ,       // the contact line, a link to the maker's shop
};

// Each control's child-window id: 100 for the first, one more for each next.
constexpr int ControlId(Control control) {
    return 100 + static_cast<int>(control);
}

namespace facts {

// One window class per window.
inline constexpr wchar_t kMainWindowClass[] = L"Orvane.frmPos";
inline constexpr const wchar_t* kAboutWindowClass = about::kWindowClass;
// The frame shown round a window the moment it is pinned.
inline constexpr wchar_t kPinFrameWindowClass[] = L"Orvane.PinFrame";

// Held by the running instance: a second start finds it taken.
inline constexpr wchar_t kInstanceMutexName[] =
    L"Local\\Orvane.TopmostTool.8F2C6A4E-2D1B-4C39-9E57-3A0B6D4F1C82";
// The message a second start sends the running instance's main window,
// registered by this name, asking it to show itself.
inline constexpr wchar_t kShowMessageName[] =
    L"Orvane.TopmostTool.ShowYourself.8F2C6A4E-2D1B-4C39-9E57-3A0B6D4F1C82";
// The window property that marks the main window of the instance that took
// the instance lock: a second start asks that window alone to show itself.
inline constexpr wchar_t kRunningInstanceMark[] =
    L"Orvane.TopmostTool.RunningInstance.8F2C6A4E-2D1B-4C39-9E57-3A0B6D4F1C82";

// The settings file, always at this path.
inline constexpr const char* kSettingsPath = settings::kConfigPath;
inline constexpr wchar_t kSettingsPathWide[] = L"C:\\TopConfig.ini";

// How often the hotkey is polled.
inline constexpr unsigned kPollMilliseconds = pin::kPollMilliseconds;

// The tray icon's id and the message the shell sends the main window for it,
// the icon's id in its first parameter and the event in its second.
inline constexpr std::uint32_t kTrayIconId = tray::kIconId;
inline constexpr std::uint32_t kTrayCallbackMessage = tray::kCallbackMessage;

}  // namespace facts
}  // namespace app
