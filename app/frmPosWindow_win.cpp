// The main window itself: its controls from twips at each DPI, its colours.
#include "app/frmPos.h"

#include <commctrl.h>

#include <cwchar>

#include "app/resource.h"
#include "app/version.h"
#include "hotkey/HotkeyCapture.h"

namespace app {
namespace {

using platform::win::FontDesign;
using platform::win::TwipsToPixels;

constexpr platform::win::WindowDesign kFrmPos{
    .className = facts::kMainWindowClass,
    .caption = L"" ORVANE_WINDOW_CAPTION,
    // A fixed single border: a minimise box, no maximise box, not resizable.
    .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | WS_MINIMIZEBOX,
    .clientTwips = {4590, 1335},
    .placeTwips = POINT{7200, 4650},
    .iconResource = IDI_APP,
};

enum Font { kSongTi12, kSongTi9, kFangSong };  // 宋体 9 is the window's default
constexpr FontDesign kFonts[] = {
    {L"宋体", 120, FW_NORMAL, false},
    {L"宋体", 90, FW_NORMAL, false},
    {L"仿宋", 105, FW_NORMAL, true},
};

struct ControlDesign {
    Control id;
    const wchar_t* windowClass;
    DWORD style;
    DWORD exStyle;
    const wchar_t* caption;
    RECT twips;  // left, top, width, height
    Font font;
};

// In tab order; the contact line, sized to its text, lets the pointer through.
constexpr DWORD kTab = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr ControlDesign kControls[] = {
    {Control::Text1,
     WC_EDITW,
     kTab | ES_AUTOHSCROLL | WS_DISABLED,
     WS_EX_CLIENTEDGE,
     L"F8",
     {1755, 135, 420, 390},
     kSongTi12},
    {Control::cmdSetKey,
     WC_BUTTONW,
     kTab | BS_PUSHBUTTON,
     0,
     L"设置热键",
     {180, 135, 1515, 375},
     kSongTi12},
    {Control::cmdMini,
     WC_BUTTONW,
     kTab | BS_PUSHBUTTON,
     0,
     L"托盘",
     {2745, 135, 795, 375},
     kSongTi12},
    {Control::CbAuto,
     WC_BUTTONW,
     kTab | BS_AUTOCHECKBOX | BS_LEFTTEXT,
     0,
     L"下次自动托盘显示",
     {2430, 945, 1905, 315},
     kSongTi9},
    {Control::Command1,
     WC_BUTTONW,
     kTab | BS_PUSHBUTTON,
     0,
     L"帮助",
     {3600, 135, 795, 375},
     kSongTi12},
    {Control::LbQQ,
     WC_STATICW,
     WS_CHILD | WS_VISIBLE | SS_LEFTNOWORDWRAP | SS_NOPREFIX,
     0,
     L"联系作者 QQ：10001（欢迎光临Orvane网店）",
     {225, 630, 4095, 210},
     kFangSong},
};

// Run as administrator, it hears lower integrity (the shell) only so.
void AllowFromLowerIntegrity(HWND hwnd, UINT message) {
    using ForWindowFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using ForProcessFn = BOOL(WINAPI*)(UINT, DWORD);
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW, and MSGFLT_ADD for the process
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    using platform::win::ProcAddress;
    if (const auto forWindow = ProcAddress<ForWindowFn>(user32, "ChangeWindowMessageFilterEx")) {
        forWindow(hwnd, message, kAllow, nullptr);
    } else if (const auto forProcess =
                   ProcAddress<ForProcessFn>(user32, "ChangeWindowMessageFilter")) {
        forProcess(message, kAllow);
    }
}

// Maximised is normal; the first ShowWindow may take STARTUPINFO's instead.
void ShowFirstTime(HWND hwnd, int showCommand) {
    ::ShowWindow(hwnd, showCommand == SW_SHOWMAXIMIZED ? SW_SHOWNORMAL : showCommand);
    if (::IsZoomed(hwnd)) {
        ::ShowWindow(hwnd, SW_RESTORE);
    }
}

}  // namespace

int frmPos::Run(int showCommand) {
    if (!Create()) {
        return 1;
    }
    poll_.SetOwnWindow(platform::win::AsHandle(hwnd_));
    ::SetTimer(hwnd_, kTimer1, facts::kPollMilliseconds, nullptr);  // until the close, hidden too
    taskbarCreatedMessage_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    for (const UINT message : {taskbarCreatedMessage_, instance_.ShowMessage(),
                               static_cast<UINT>(tray::kCallbackMessage)}) {
        AllowFromLowerIntegrity(hwnd_, message);
    }
    FollowSystemColours();
    Form_Load();
    if (ending_) {
        ::DestroyWindow(hwnd_);
        return 0;
    }
    if (!::IsWindowVisible(hwnd_) && !::IsIconic(hwnd_)) {  // not gone to the tray already
        ShowFirstTime(hwnd_, showCommand);
    }
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!hwnd_ || !::IsDialogMessageW(hwnd_, &msg)) {  // Tab and the arrows among the controls
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return static_cast<int>(msg.wParam);
}

bool frmPos::Create() {
    if (!platform::win::CreateDesignedWindow(kFrmPos, platform::win::WindowProcOf<frmPos>, this)) {
        return false;
    }
    for (const ControlDesign& c : kControls) {
        ::CreateWindowExW(c.exStyle, c.windowClass, c.caption, c.style, 0, 0, 0, 0, hwnd_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(c.id))),
                          ::GetModuleHandleW(nullptr), nullptr);
    }
    hotkey::MakeCaptureBox(Item(Control::Text1));
    ApplyDpi(platform::win::WindowDpi(hwnd_), nullptr);
    return true;
}

// From the twips again: fonts (the old go last), places, icons.
void frmPos::ApplyDpi(int dpi, const RECT* suggested) {
    dpi_ = dpi;
    icons_.Set(hwnd_, IDI_APP, dpi);
    platform::win::UniqueFont fonts[std::size(kFonts)];
    for (std::size_t i = 0; i < std::size(kFonts); ++i) {
        fonts[i] = platform::win::MakeFont(kFonts[i], dpi);
    }
    for (const ControlDesign& c : kControls) {
        const HWND item = Item(c.id);
        ::SendMessageW(item, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[c.font].get()), FALSE);
        SIZE size{TwipsToPixels(c.twips.right, dpi), TwipsToPixels(c.twips.bottom, dpi)};
        if (c.id == Control::LbQQ) {
            const platform::win::WindowDC dc(hwnd_);
            const platform::win::SelectObjectScope selected(dc.get(), fonts[c.font].get());
            ::GetTextExtentPoint32W(dc.get(), c.caption, static_cast<int>(std::wcslen(c.caption)),
                                    &size);
        }
        ::MoveWindow(item, TwipsToPixels(c.twips.left, dpi), TwipsToPixels(c.twips.top, dpi),
                     size.cx, size.cy, FALSE);
    }
    std::swap(fonts, fonts_);
    platform::win::MoveToDpi(hwnd_, kFrmPos, dpi, suggested);
}

void frmPos::FollowSystemColours() {
    const std::pair<bool, SystemColours> now{
        platform::win::HighContrastOn(),
        {::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_BTNFACE), ::GetSysColor(COLOR_WINDOWTEXT),
         ::GetSysColor(COLOR_HOTLIGHT)}};
    if (system_ == now) {
        return;
    }
    system_ = now;
    colours_ = ColoursFor(now.first, now.second);
    backBrush_.reset(::CreateSolidBrush(colours_.mainBack));
    checkBoxBrush_.reset(::CreateSolidBrush(colours_.checkBoxBack));
    linkHot_ = false;
    about_.SetColours(colours_.about);
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The check box's own background; the contact line over the window's.
LRESULT frmPos::ControlColour(UINT message, HDC dc, HWND control) {
    if (control == Item(Control::CbAuto)) {
        ::SetBkColor(dc, colours_.checkBoxBack);
        ::SetTextColor(dc, colours_.checkBoxText);
        return reinterpret_cast<LRESULT>(checkBoxBrush_.get());
    }
    if (control == Item(Control::LbQQ)) {
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, linkHot_ ? colours_.link.underPointer : colours_.link.atRest);
        return reinterpret_cast<LRESULT>(backBrush_.get());
    }
    return ::DefWindowProcW(hwnd_, message, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(control));
}

bool frmPos::OverLink(std::optional<POINT> at) const {
    POINT point{};
    if (at) {
        point = *at;
    } else {
        ::GetCursorPos(&point);
        ::ScreenToClient(hwnd_, &point);
    }
    RECT link{};
    ::GetWindowRect(Item(Control::LbQQ), &link);
    ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&link), 2);
    return ::PtInRect(&link, point) != FALSE;
}

// Repainted only when it changes: at every mouse move it would flicker.
void frmPos::SetLinkHot(bool hot) {
    if (hot != std::exchange(linkHot_, hot)) {
        ::InvalidateRect(Item(Control::LbQQ), nullptr, TRUE);
    }
}

void frmPos::KeepFocus(bool activated) {
    const HWND focus = ::GetFocus();
    if (!activated) {
        lastFocus_ = focus && ::IsChild(hwnd_, focus) ? focus : lastFocus_;
    } else if (lastFocus_ && ::IsWindow(lastFocus_) && ::IsWindowEnabled(lastFocus_)) {
        ::SetFocus(lastFocus_);
    } else {
        const HWND first = ::GetNextDlgTabItem(hwnd_, nullptr, FALSE);
        ::SetFocus(first ? first : hwnd_);
    }
}

}  // namespace app

// The program's entry: the main window is the start-up object.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    platform::win::KeepDllSearchToTheSystemFolder();
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&commonControls);
    app::frmPos form;
    return form.Run(showCommand);
}
