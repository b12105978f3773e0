// What each event of the main window does.
#include <iterator>
#include <string>

#include "app/KeyName.h"
#include "app/frmPos.h"
#include "app/resource.h"
#include "app/version.h"
#include "hotkey/HotkeyCapture.h"

namespace app {
namespace {

class SystemCharacters final : public Characters {
  public:
    std::optional<std::string> AnsiCharacter(std::uint8_t code) override {
        const char byte = static_cast<char>(code);
        wchar_t wide = 0;
        if (::IsDBCSLeadByte(code) ||
            ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) != 1) {
            return std::nullopt;
        }
        return platform::win::Narrow(std::wstring(1, wide));
    }
    std::optional<std::string> KeyboardCharacter(int key) override {
        constexpr UINT kToChar = 2;            // MAPVK_VK_TO_CHAR
        constexpr UINT kDeadKey = 0x80000000;  // set for dead keys
        const UINT typed = ::MapVirtualKeyW(static_cast<UINT>(key), kToChar) & ~kDeadKey;
        if (typed == 0) {
            return std::nullopt;
        }
        return platform::win::Narrow(std::wstring(1, static_cast<wchar_t>(typed)));
    }
};

}  // namespace

frmPos::frmPos()
    : instance_({facts::kInstanceMutexName, facts::kRunningInstanceMark, facts::kMainWindowClass,
                 facts::kShowMessageName}),
      desktop_(shell_),
      highlight_(
          facts::kPinFrameWindowClass,
          [](void* self) { static_cast<frmPos*>(self)->poll_.WakeFrame(); }, this),
      poll_(desktop_, highlight_),
      tray_(shell_, IDI_APP, L"" ORVANE_PRODUCT, facts::kPollMilliseconds),
      about_(IDI_APP, IDR_ABOUT_GIF),
      browser_(shell_) {}

LRESULT frmPos::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    using Click = void (frmPos::*)();  // the buttons' and the box's, by Control (Facts.h)
    static constexpr Click kClicks[] = {nullptr, &frmPos::cmdSetKey_Click, &frmPos::cmdMini_Click,
                                        &frmPos::CbAuto_Click, &frmPos::Command1_Click};
    const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
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
        // The contact line: the hand, red under the pointer, down-and-up a click.
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && OverLink(std::nullopt)) {
                ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE:
            SetLinkHot(OverLink(at));
            return 0;
        case WM_LBUTTONDOWN:
            if ((linkPressed_ = OverLink(at))) {
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
        case WM_COMMAND: {
            const auto index = static_cast<std::size_t>(LOWORD(wParam) - ControlId(Control::Text1));
            if (HIWORD(wParam) == BN_CLICKED && lParam != 0 && index < std::size(kClicks) &&
                kClicks[index]) {
                (this->*kClicks[index])();
                return 0;
            }
            break;
        }
        case hotkey::kKeyReleasedMessage:
            Text1_KeyUp(static_cast<std::int16_t>(wParam));
            return 0;
        case tray::kCallbackMessage:
            if (tray::IsRestoreRequest(wParam, static_cast<std::uintptr_t>(lParam)) &&
                ::IsIconic(hwnd)) {
                RestoreFromTray();
            }
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
            Form_Unload();
            ::DestroyWindow(hwnd);
            return 0;
        case WM_ENDSESSION:  // logging off ends the process without a close
            if (wParam) {
                Form_Unload();
            }
            return 0;
        case WM_DESTROY:
            ::KillTimer(hwnd, kTimer1);
            instance_.Release(hwnd);
            if (!about_.IsOpen()) {  // the program ends with its last window
                ::PostQuitMessage(0);
            }
            return 0;
        default:
            // Explorer again, or a new DPI: a hidden window needs its icon.
            if (message == taskbarCreatedMessage_ && message != 0) {
                if (!::IsWindowVisible(hwnd) && ::IsIconic(hwnd)) {
                    tray_.Add(hwnd, dpi_);
                }
                return 0;
            }
            // Another start asks for the window: back from the tray, or to the front.
            if (message == instance_.ShowMessage() && message != 0) {
                if (::IsIconic(hwnd)) {
                    RestoreFromTray();
                } else {
                    BringToFront();
                }
                return 0;
            }
            break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// A second start shows the running one, which the user is looking for; an
// administrator's start first says why a standard one must be quit.
void frmPos::Form_Load() {
    if (!instance_.Take(hwnd_)) {
        ending_ = true;  // first: a logoff may come while the message waits
        instance_.AskRunningInstanceToShow(hwnd_, [this](DWORD processId) {
            const platform::win::UniqueHandle running(
                ::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
            if (platform::TellStandardRunIsRunning(
                    platform::win::IntegrityLevel(::GetCurrentProcess()),
                    running ? platform::win::IntegrityLevel(running.get()) : std::nullopt)) {
                ShowMessage(platform::kStandardRunIsRunningMessage);
            }
        });
        return;
    }
    ApplyStoredSettings();
}

// Once, however it closes; the lock after the save, for a new start to read.
// Not in a start that ends at once: it read no settings, so saves none.
void frmPos::Form_Unload() {
    if (ending_ || std::exchange(unloaded_, true)) {
        return;
    }
    tray_.Delete();
    SaveConfig(/*tellOfALostChange=*/false);
    instance_.Release(hwnd_);
}

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

// An empty box (emptied with the mouse) is refused; saved at both clicks.
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

// Live at the next tick, its press forgotten once it is the hotkey.
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

// Painted first; the paints are sent, no other event runs inside the click.
void frmPos::LbQQ_Click() {
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    browser_.Open(hwnd_, about::kShopPage);
}

// The key's past is forgotten before a message box (its loop runs ticks).
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
    if (IsChecked(Control::CbAuto) != (AutoTray_ != 0)) {
        ::SendMessageW(Item(Control::CbAuto), BM_SETCHECK,
                       AutoTray_ != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
        CbAuto_Click();
    }
    if (AutoTray_ != 0) {
        ::ShowWindow(hwnd_, SW_SHOWMINNOACTIVE);  // and the resize event sends it to the tray
    }
    ShowHotKeyName(poll_.HotKey());
}

// A code with no name (outside 0 to 255) leaves the box as it is.
void frmPos::ShowHotKeyName(std::int16_t key) {
    SystemCharacters characters;
    if (const std::optional<std::string> name = KeyName(key, characters)) {
        SetText(Control::Text1, name->c_str());
    }
}

// A lost change is told once a run, never at the close (log-off runs it).
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

// Raised too: Wine leaves the order to the window manager.
void frmPos::BringToFront() {
    ::BringWindowToTop(hwnd_);
    ::SetForegroundWindow(hwnd_);
    KeepFocus(true);
}

}  // namespace app
