// The facts about the program that other programs rely on too: the
// end-to-end driver and the bench find its windows, controls and settings
// file by them, and time their key presses by its poll.  Stated once, here.
#pragma once

namespace app::facts {

// One window class per window.
inline constexpr wchar_t kMainWindowClass[] = L"Orvane.frmPos";
inline constexpr wchar_t kAboutWindowClass[] = L"Orvane.frmAbout";

// The settings file, always at this path.
inline constexpr char kSettingsPath[] = "C:\\TopConfig.ini";
inline constexpr wchar_t kSettingsPathWide[] = L"C:\\TopConfig.ini";

// How often the hotkey is polled.
inline constexpr unsigned kPollMilliseconds = 200;

// The controls' child-window ids: this one for the first control of
// app::Control, then one more for each.
inline constexpr int kFirstControlId = 100;

}  // namespace app::facts
