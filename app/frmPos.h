// frmPos, the main window: each handler hands its work to the part that owns it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <utility>

#include "about/AboutWindow_win.h"
#include "about/Browser_win.h"
#include "app/Colours.h"
#include "app/Facts.h"
#include "app/version.h"
#include "pin/HotkeyPoll.h"
#include "platform/win32/Desktop_win.h"
#include "platform/win32/Highlight_win.h"
#include "platform/win32/Instance_win.h"
#include "platform/win32/Window_win.h"
#include "tray/TrayIcon_win.h"

namespace app {

class frmPos : public platform::win::OwnWindow {
  public:
    frmPos();
    frmPos(const frmPos&) = delete;
    frmPos& operator=(const frmPos&) = delete;

    // Until no window of the program is left; the exit code.
    int Run(int showCommand);
    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void Form_Load();
    void Form_Unload();
    void Form_Resize();
    void Timer1_Timer();
    void cmdSetKey_Click();
    void Text1_KeyUp(std::int16_t keyCode);
    void CbAuto_Click();
    void cmdMini_Click();
    void Command1_Click();
    void LbQQ_Click();
    void ApplyStoredSettings();
    void ShowHotKeyName(std::int16_t key);
    void SaveConfig(bool tellOfALostChange = true);
    void RestoreFromTray();
    void BringToFront();

    bool Create();
    void ApplyDpi(int dpi, const RECT* suggested);
    void FollowSystemColours();
    LRESULT ControlColour(UINT message, HDC dc, HWND control);
    bool OverLink(std::optional<POINT> at) const;  // none: where the pointer is
    void SetLinkHot(bool hot);
    // Gives back the keyboard focus the window had when it was left.
    void KeepFocus(bool activated);
    HWND Item(Control control) const { return ::GetDlgItem(hwnd_, ControlId(control)); }
    bool IsChecked(Control control) const {
        return ::SendMessageW(Item(control), BM_GETCHECK, 0, 0) == BST_CHECKED;
    }
    void SetText(Control control, const char* utf8) {
        ::SetWindowTextW(Item(control), platform::win::Widen(utf8).c_str());
    }
    // OK only, the application's title as caption; returns when dismissed.
    void ShowMessage(const char* utf8) {
        ::MessageBoxW(hwnd_, platform::win::Widen(utf8).c_str(), L"" ORVANE_APP_TITLE, MB_OK);
    }

    static constexpr UINT_PTR kTimer1 = 1;

    int dpi_ = platform::win::kDesignDpi;
    UINT taskbarCreatedMessage_ = 0;
    platform::win::WindowIcons icons_;
    platform::win::UniqueFont fonts_[3];
    std::optional<std::pair<bool, SystemColours>> system_;  // high contrast, as last read
    FormColours colours_;
    platform::win::UniqueBrush backBrush_;
    platform::win::UniqueBrush checkBoxBrush_;
    bool linkHot_ = false;
    bool linkPressed_ = false;
    HWND lastFocus_ = nullptr;

    std::int16_t AutoTray_ = 0;     // as read at start-up
    bool capturing_ = false;        // the set-hotkey button's state
    bool saveFailureTold_ = false;  // at most once a run
    bool ending_ = false;           // another instance runs: no unload, no save
    bool unloaded_ = false;
    platform::win::LazyLibrary shell_{L"shell32.dll"};  // before the parts that use it
    platform::win::InstanceLock instance_;
    platform::win::Win32Desktop desktop_;
    platform::win::Win32Highlight highlight_;
    pin::HotkeyPoll poll_;
    tray::TrayIcon tray_;
    about::AboutWindow about_;
    about::Browser browser_;
};

}  // namespace app
