// The facts about the program that other programs rely on too: the
// end-to-end driver and the bench find its windows, controls and settings
// file by them, and time their key presses by its poll.  Stated once, here.
#pragma once

namespace app::facts {

// One window class per window.
inline constexpr wchar_t kMainWindowClass[] = L"Orvane.frmPos";
inline constexpr wchar_t kAboutWindowClass[] = L"Orvane.frmAbout";

// The message a second start sends the running instance's main window,
// registered by this name, asking it to show itself.
inline constexpr wchar_t kShowMessageName[] =
    L"Orvane.TopmostTool.ShowYourself.8F2C6A4E-2D1B-4C39-9E57-3A0B6D4F1C82";

// The settings file, always at this path.
inline constexpr char kSettingsPath[] = "C:\\TopConfig.ini";
inline constexpr wchar_t kSettingsPathWide[] = L"C:\\TopConfig.ini";

// How often the hotkey is polled.
inline constexpr unsigned kPollMilliseconds = 200;

// The controls' child-window ids: this one for the first control of
// app::Control, then one more for each.
inline constexpr int kFirstControlId = 100;

}  // namespace app::facts
