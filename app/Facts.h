// What other programs rely on too: the end-to-end driver and the bench.
#pragma once

#include <cstdint>

#include "about/About.h"
#include "pin/HotkeyPoll.h"
#include "settings/ConfigFile.h"
#include "tray/TrayIcon.h"

namespace app {

enum class Control : int {
    Text1,      // the box that shows the hotkey's name and captures a new one
    cmdSetKey,  // the set-hotkey button, "设置热键" or "确定"
    cmdMini,    // the tray button, "托盘"
    CbAuto,     // the start-in-tray check box, "下次自动托盘显示"
    Command1,   // the help button, "帮助"
    LbQQ,       // the contact line, a link to the maker's shop
};

constexpr int ControlId(Control control) {  // its child-window id
    return 100 + static_cast<int>(control);
}

namespace facts {

inline constexpr wchar_t kMainWindowClass[] = L"Orvane.frmPos";
inline constexpr const wchar_t* kAboutWindowClass = about::kWindowClass;
inline constexpr wchar_t kPinFrameWindowClass[] = L"Orvane.PinFrame";  // round a pinned window

// The running instance's lock, the request to show, the mark (Instance_win.h).
inline constexpr wchar_t kInstanceMutexName[] =
    L"Local\\Orvane.TopmostTool.8F2C6A4E-2D1B-4C39-9E57-3A0B6D4F1C82";
inline constexpr wchar_t kShowMessageName[] =
    L"Orvane.TopmostTool.ShowYourself.8F2C6A4E-2D1B-4C39-9E57-3A0B6D4F1C82";
inline constexpr wchar_t kRunningInstanceMark[] =
    L"Orvane.TopmostTool.RunningInstance.8F2C6A4E-2D1B-4C39-9E57-3A0B6D4F1C82";

inline constexpr wchar_t kSettingsPathWide[] = L"C:\\TopConfig.ini";

inline constexpr unsigned kPollMilliseconds = pin::kPollMilliseconds;

inline constexpr std::uint32_t kTrayIconId = tray::kIconId;
inline constexpr std::uint32_t kTrayCallbackMessage = tray::kCallbackMessage;

}  // namespace facts
}  // namespace app
