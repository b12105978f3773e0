// What each event of the main window does, and the message loop.
#include <optional>
#include <string>

#include "app/KeyName.h"
#include "app/frmPos.h"
#include "app/resource.h"
#include "app/version.h"
#include "hotkey/CaptureBox_win.h"
#include "hotkey/HotkeyCapture.h"
#include "settings/ConfigFile.h"

namespace app {

frmPos::frmPos()
    : instance_({facts::kInstanceMutexName, facts::kRunningInstanceMark, facts::kMainWindowClass,
                 facts::kShowMessageName}),
      desktop_(shell_),
      highlight_(facts::kPinFrameWindowClass),
      poll_(desktop_, highlight_),
      tray_(shell_, IDI_APP, L"" ORVANE_PRODUCT, facts::kPollMilliseconds),
      about_(IDI_APP, IDR_ABOUT_GIF),
      browser_(shell_) {}

LRESULT frmPos::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
        case WM_NCCREATE:
            hwnd_ = hwnd;
            break;
        case WM_ERASEBKGND: {
            RECT client{};
            ::GetClientRect(hwnd, &client);
            ::FillRect(reinterpret_cast<HDC>(wParam), &client, backBrush_.get());
            return 1;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return ControlColour(message, reinterpret_cast<HDC>(wParam),
                                 reinterpret_cast<HWND>(lParam));
        case WM_SETCURSOR:  // the contact line is a link: the hand
            if (LOWORD(lParam) == HTCLIENT && OverLink(std::nullopt)) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        // The contact line lets the pointer through to the window: red under
        // it, blue elsewhere on the window; clicked by a press and release
        // over it.
        case WM_MOUSEMOVE:
            SetLinkHot(OverLink(at));
            return 0;
        case WM_LBUTTONDOWN:
            linkPressed_ = OverLink(at);
            if (linkPressed_) {
                ::SetCapture(hwnd);
            }
            return 0;
        case WM_LBUTTONUP:
            if (std::exchange(linkPressed_, false)) {
                ::ReleaseCapture();
                if (OverLink(at)) {
                    LbQQ_Click();
                }
            }
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
                OnClick(static_cast<Control>(LOWORD(wParam) - ControlId(Control::Text1)));
                return 0;
            }
            break;
        case hotkey::kKeyReleasedMessage:
            Text1_KeyUp(static_cast<std::int16_t>(wParam));
            return 0;
        case tray::kCallbackMessage:
            TrayIcon_Callback(wParam, lParam);
            return 0;
        case WM_ACTIVATE:
            KeepFocus(LOWORD(wParam) != WA_INACTIVE);
            return 0;
        case WM_SIZE:
            Form_Resize();
            return 0;
        case platform::win::kWmDpiChanged:
            ApplyDpi(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_TIMER:
            Timer1_Timer();
            return 0;
        case WM_SYSCOLORCHANGE:  // common controls hear of it only from their parent
            for (HWND child = ::GetWindow(hwnd, GW_CHILD); child;
                 child = ::GetWindow(child, GW_HWNDNEXT)) {
                ::SendMessageW(child, message, wParam, lParam);
            }
            FollowSystemColours();
            break;
        case WM_SETTINGCHANGE:
            FollowSystemColours();
            break;
        case WM_CLOSE:
            Unload();
            ::DestroyWindow(hwnd);
            return 0;
        case WM_ENDSESSION:  // logging off ends the process without a close
            if (wParam) {
                Unload();
            }
            return 0;
        case WM_DESTROY:
            ::KillTimer(hwnd, kTimer1);
            instance_.Release(hwnd);
            if (!about_.IsOpen()) {  // the program ends with its last window
                ::PostQuitMessage(0);
            }
            return 0;
        case WM_NCDESTROY:
            hwnd_ = nullptr;
            break;
        default:
            if (message == taskbarCreatedMessage_ && message != 0) {
                TaskbarCreated();
                return 0;
            }
            if (message == instance_.ShowMessage() && message != 0) {
                ShowRequested();
                return 0;
            }
            break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// The contact line's click comes from the window's own mouse messages.
void frmPos::OnClick(Control control) {
    switch (control) {
        case Control::cmdSetKey:
            cmdSetKey_Click();
            break;
        case Control::cmdMini:
            cmdMini_Click();
            break;
        case Control::CbAuto:
            CbAuto_Click();
            break;
        case Control::Command1:
            Command1_Click();
            break;
        default:
            break;
    }
}

// --- what each event does ---------------------------------------------------

// A second start shows the running instance, which the user is looking for,
// hidden in the tray or behind other windows, and ends, saving nothing.
void frmPos::Form_Load() {
    if (!instance_.Take(hwnd_)) {
        instance_.AskRunningInstanceToShow(hwnd_);
        ending_ = true;
        return;
    }
    ApplyStoredSettings();
}

// The lock goes after the save, so that a new start reads what was saved; an
// About window left open keeps the process, not the lock.
void frmPos::Form_Unload() {
    tray_.Delete();
    SaveConfig(/*tellOfALostChange=*/false);
    instance_.Release(hwnd_);
}

// Once, whichever way the program is closed.
void frmPos::Unload() {
    if (!std::exchange(unloaded_, true)) {
        Form_Unload();
    }
}

// Every way of minimising ends here: the tray button, the minimise box and
// the start-in-tray setting.
void frmPos::Form_Resize() {
    if (::IsIconic(hwnd_)) {
        tray_.Add(hwnd_, dpi_);
        ::ShowWindow(hwnd_, SW_HIDE);
    }
}

// The only clock: a tray icon the shell wasn't ready for rides on it too.
void frmPos::Timer1_Timer() {
    tray_.Tick(::IsWindowVisible(hwnd_) != FALSE);
    poll_.Tick();
}

// Confirming an empty box (the user can empty it with the mouse) is refused
// and changes nothing.  The file is written when capturing starts as well as
// when it ends.
void frmPos::cmdSetKey_Click() {
    const HWND box = Item(Control::Text1);
    if (capturing_ && ::GetWindowTextLengthW(box) == 0) {
        ShowMessage(hotkey::kInvalidKeyMessage);
        return;
    }
    capturing_ = !capturing_;
    ::EnableWindow(box, capturing_);
    SetText(Control::cmdSetKey, capturing_ ? hotkey::kCaptionCapturing : hotkey::kCaptionIdle);
    if (capturing_) {
        ::SetFocus(box);
    }
    SaveConfig();
}

// The key is live from the next tick on, its press forgotten once it is the
// hotkey (forgotten before, the poll would find the new key's "pressed
// since" bit); a key an input method took for itself changes nothing.
void frmPos::Text1_KeyUp(std::int16_t keyCode) {
    if (hotkey::IsCapturable(keyCode)) {
        poll_.SetHotKey(keyCode);
        poll_.Forget();
        ShowHotKeyName(keyCode);
    }
}

// Raised for the user's clicks and for every change the program makes.
void frmPos::CbAuto_Click() {
    SaveConfig();
}

void frmPos::cmdMini_Click() {
    ::ShowWindow(hwnd_, SW_MINIMIZE);
}

void frmPos::Command1_Click() {
    about_.Show(hwnd_);  // painted before the browser, which may take a while
    browser_.Open(hwnd_, about::kProductPage);
}

void frmPos::LbQQ_Click() {
    PaintNow();
    browser_.Open(hwnd_, about::kShopPage);
}

void frmPos::TrayIcon_Callback(WPARAM iconId, LPARAM event) {
    if (tray::IsRestoreRequest(iconId, static_cast<std::uintptr_t>(event)) && ::IsIconic(hwnd_)) {
        RestoreFromTray();
    }
}

// Explorer started again, or announces the taskbar at a new DPI: a hidden
// window would be lost without its icon.
void frmPos::TaskbarCreated() {
    if (!::IsWindowVisible(hwnd_) && ::IsIconic(hwnd_)) {
        tray_.Add(hwnd_, dpi_);
    }
}

// Another start asks for the window: back as from its tray icon, or to the front.
void frmPos::ShowRequested() {
    if (::IsIconic(hwnd_)) {
        RestoreFromTray();
    } else {
        BringToFront();
    }
}

// --- what the handlers share ------------------------------------------------

// The timer runs already: what the key did before the program ran is
// forgotten before anything can show a message box, whose loop runs ticks.
// Setting the box raises its click, which saves again what was just read.
void frmPos::ApplyStoredSettings() {
    const std::optional<settings::StartSettings> stored =
        settings::LoadConfig(settings::kConfigPath);
    const settings::StartSettings start = stored.value_or(settings::StartSettings{});
    poll_.SetHotKey(start.hotKey);
    poll_.Forget();
    AutoTray_ = start.autoTray;
    if (!stored) {
        return;  // the box keeps "F8" and stays unchecked
    }
    SetCbAutoValue(AutoTray_ != 0);
    if (AutoTray_ != 0) {
        ::ShowWindow(hwnd_, SW_SHOWMINNOACTIVE);  // and the resize event sends it to the tray
    }
    ShowHotKeyName(poll_.HotKey());
}

// A check box raises its click whenever its value changes, whoever changes
// it: Windows for the user, this for the program.
void frmPos::SetCbAutoValue(bool checked) {
    const bool changed = IsChecked(Control::CbAuto) != checked;
    ::SendMessageW(Item(Control::CbAuto), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    if (changed) {
        CbAuto_Click();
    }
}

// A code with no name (outside 0 to 255) leaves the box as it is.
void frmPos::ShowHotKeyName(std::int16_t key) {
    if (const std::optional<std::string> name = SystemKeyName(key)) {
        SetText(Control::Text1, name->c_str());
    }
}

// A lost change is told once a run, never at the close, which log-off runs
// too, where a message would hold it up.
void frmPos::SaveConfig(bool tellOfALostChange) {
    const settings::SaveResult result =
        settings::SaveConfigFile(settings::kConfigPath, poll_.HotKey(), IsChecked(Control::CbAuto));
    if (result == settings::SaveResult::ChangeLost && tellOfALostChange &&
        !std::exchange(saveFailureTold_, true)) {
        ShowMessage(settings::kSaveFailedMessage);
    }
}

void frmPos::RestoreFromTray() {
    ::ShowWindow(hwnd_, SW_RESTORE);
    ::ShowWindow(hwnd_, SW_SHOW);
    BringToFront();
    tray_.Delete();
}

// Raised as well: Windows raises the window it activates, Wine leaves the
// order to the window manager.
void frmPos::BringToFront() {
    ::BringWindowToTop(hwnd_);
    ::SetForegroundWindow(hwnd_);
    KeepFocus(true);
}

}  // namespace app
