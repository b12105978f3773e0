#include "platform/WindowSystem_win.h"

#include <windows.h>
#include <shellapi.h>
#include <windowsx.h>

#include <cstring>

#include "platform/Files_win.h"
#include "platform/Text_win.h"

namespace platform::win {
namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr UINT kCheckMapsToChar = 2;       // MAPVK_VK_TO_CHAR
constexpr UINT kDeadKeyBit = 0x80000000u;  // set by MapVirtualKey for dead keys

static_assert(sizeof(TrayRecord::szTip) == 64);
// The record's first, ANSI layout: 88 bytes in the 32-bit program (wider
// handles make it longer in a 64-bit build of the same code).
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == 88);

HWND AsHwnd(Handle h) {
    return reinterpret_cast<HWND>(h);
}
Handle AsHandle(const void* p) {
    return reinterpret_cast<Handle>(p);
}

UniqueIcon LoadIconSized(int resource, int side) {
    return UniqueIcon(
        static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                        IMAGE_ICON, side, side, LR_DEFAULTCOLOR)));
}

// The start command's window state.  Minimised is honoured: the resize event
// sends the window to the tray.  This window has a fixed size and no maximise
// box, so a shortcut set to "run maximised" shows it normal.  The first
// ShowWindow of a process may take the launcher's STARTUPINFO instead of what
// it is given, hence the look at the result.
void ShowFirstTime(HWND hwnd, int showCommand) {
    ::ShowWindow(hwnd, showCommand == SW_SHOWMAXIMIZED ? SW_SHOWNORMAL : showCommand);
    if (::IsZoomed(hwnd)) {
        ::ShowWindow(hwnd, SW_RESTORE);
    }
}

}  // namespace

Win32WindowSystem::Win32WindowSystem(const ProgramDefinition& program)
    : program_(program),
      instanceMutex_(::CreateMutexW(nullptr, FALSE, program.mutexName)),
      previousInstance_(::GetLastError() == ERROR_ALREADY_EXISTS),
      bigIcon_(LoadIconSized(program.iconResource, ::GetSystemMetrics(SM_CXICON))),
      smallIcon_(LoadIconSized(program.iconResource, ::GetSystemMetrics(SM_CXSMICON))),
      taskbarCreatedMessage_(::RegisterWindowMessageW(L"TaskbarCreated")) {}

Win32WindowSystem::~Win32WindowSystem() {
    events_ = nullptr;  // windows still open now close without raising events
    about_.reset();
    main_.reset();
}

int Win32WindowSystem::Run(FormEvents& events, int showCommand) {
    main_ =
        std::make_unique<FormWindow>(program_.mainForm, AsHost(), bigIcon_.get(), smallIcon_.get());
    if (!MainHwnd()) {
        return 1;
    }
    // The poll runs from creation to close, hidden or not.
    ::SetTimer(MainHwnd(), kTimer1, program_.timerMilliseconds, nullptr);
    events_ = &events;
    events_->Form_Load();
    if (ending_) {
        events_ = nullptr;
        main_.reset();
        return 0;
    }
    // Shown once loaded, unless the load sent it to the tray already.
    if (!IsVisible() && GetWindowState() == WindowState::Normal) {
        ShowFirstTime(MainHwnd(), showCommand);
    }
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        Dispatch(msg);
    }
    events_ = nullptr;
    return static_cast<int>(msg.wParam);
}

void Win32WindowSystem::Dispatch(MSG& msg) {
    if ((main_ && main_->PreTranslate(msg)) || (about_ && about_->PreTranslate(msg))) {
        return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

HWND Win32WindowSystem::MainHwnd() const {
    return main_ ? main_->hwnd() : nullptr;
}

FormEvents* Win32WindowSystem::EventsFrom(const FormWindow& form) const {
    return (&form == main_.get()) ? events_ : nullptr;
}

FormWindow* Win32WindowSystem::FormWith(Control control) const {
    if (main_ && main_->Has(control)) {
        return main_.get();
    }
    if (about_ && about_->hwnd() && about_->Has(control)) {
        return about_.get();
    }
    return nullptr;
}

// --- messages into handlers ------------------------------------------------

void Win32WindowSystem::OnClick(FormWindow& form, Control control) {
    FormEvents* events = EventsFrom(form);
    if (!events) {
        return;
    }
    switch (control) {
        case Control::cmdSetKey:
            events->cmdSetKey_Click();
            break;
        case Control::cmdMini:
            events->cmdMini_Click();
            break;
        case Control::CbAuto:
            events->CbAuto_Click();
            break;
        case Control::Command1:
            events->Command1_Click();
            break;
        case Control::LbQQ:
            events->LbQQ_Click();
            break;
        default:
            break;
    }
}

void Win32WindowSystem::OnKeyUp(FormWindow& form, Control control, int key, int shift) {
    FormEvents* events = EventsFrom(form);
    if (events && control == Control::Text1) {
        std::int16_t keyCode = static_cast<std::int16_t>(key);
        events->Text1_KeyUp(keyCode, shift);
    }
}

void Win32WindowSystem::OnMouseMove(FormWindow& form, std::optional<Control> label, WPARAM wParam,
                                    LPARAM lParam) {
    FormEvents* events = EventsFrom(form);
    if (!events) {
        return;
    }
    // Read as the pointer's move; the tray icon's callback comes as this same
    // message, and the handler tells the two apart from the raw parameters.
    MouseMove move;
    move.x = PixelsToTwips(GET_X_LPARAM(lParam), form.dpi());
    move.y = PixelsToTwips(GET_Y_LPARAM(lParam), form.dpi());
    move.button = static_cast<int>(wParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON));
    move.shift = CurrentShiftMask();
    move.wParam = wParam;
    move.lParam = static_cast<std::uintptr_t>(lParam);
    // A callback's "coordinates" (x = the mouse message, y = 0) lie on the
    // window's top edge, where no label is.
    if (label == Control::LbQQ) {
        events->LbQQ_MouseMove(move);
    } else if (!label) {
        events->Form_MouseMove(move);
    }
}

void Win32WindowSystem::OnResize(FormWindow& form) {
    if (FormEvents* events = EventsFrom(form)) {
        events->Form_Resize();
    }
}

void Win32WindowSystem::OnTimer(FormWindow& form) {
    if (FormEvents* events = EventsFrom(form)) {
        events->Timer1_Timer();
    }
}

// The unload event runs once, whichever way the program is closed.
void Win32WindowSystem::Unload() {
    if (unloaded_ || !events_) {
        return;
    }
    unloaded_ = true;
    events_->Form_Unload();
}

void Win32WindowSystem::OnClose(FormWindow& form) {
    if (&form == main_.get()) {
        Unload();
    }
    ::DestroyWindow(form.hwnd());
}

bool Win32WindowSystem::AnyWindowLeft(const FormWindow& closing) const {
    const FormWindow* other = (&closing == main_.get()) ? about_.get() : main_.get();
    return other && other->hwnd();
}

void Win32WindowSystem::OnDestroyed(FormWindow& form) {
    if (&form == main_.get()) {
        ::KillTimer(form.hwnd(), kTimer1);
    }
    // The program ends with its last window; an open About window outlives
    // the main one.
    if (!AnyWindowLeft(form)) {
        ::PostQuitMessage(0);
    }
}

bool Win32WindowSystem::OnOtherMessage(FormWindow& form, UINT message, WPARAM wParam,
                                       LPARAM /*lParam*/, LRESULT& result) {
    FormEvents* events = EventsFrom(form);
    if (!events) {
        return false;
    }
    if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        events->TaskbarCreated();
        result = 0;
        return true;
    }
    if (message == WM_ENDSESSION && wParam) {
        // Logging off ends the process without closing the window first.
        Unload();
        result = 0;
        return true;
    }
    return false;
}

// --- the keyboard and other programs' windows -------------------------------

std::int16_t Win32WindowSystem::GetAsyncKeyState(std::int32_t key) {
    return static_cast<std::int16_t>(::GetAsyncKeyState(key));
}

Handle Win32WindowSystem::GetForegroundWindow() {
    return AsHandle(::GetForegroundWindow());
}

std::uint32_t Win32WindowSystem::GetExtendedStyle(Handle window) {
    return static_cast<std::uint32_t>(::GetWindowLongA(AsHwnd(window), GWL_EXSTYLE));
}

bool Win32WindowSystem::SetWindowPos(Handle window, InsertAfter where, std::uint32_t flags) {
    return ::SetWindowPos(AsHwnd(window), reinterpret_cast<HWND>(static_cast<INT_PTR>(where)), 0, 0,
                          0, 0, flags) != FALSE;
}

// --- the tray ---------------------------------------------------------------

bool Win32WindowSystem::ShellNotifyIcon(TrayMessage message, const TrayRecord& record) {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;  // the layout record.cbSize names
    data.hWnd = AsHwnd(record.hWnd);
    data.uID = record.uID;
    data.uFlags = record.uFlags;
    data.uCallbackMessage = record.uCallbackMessage;
    data.hIcon = reinterpret_cast<HICON>(record.hIcon);
    std::memcpy(data.szTip, record.szTip.data(), record.szTip.size());
    if (message == TrayMessage::Delete && !ShellLoaded()) {
        return false;  // never talked to the shell, so there is no icon to take away
    }
    const auto notify = ShellEntry<decltype(&::Shell_NotifyIconA)>("Shell_NotifyIconA");
    return notify && notify(static_cast<DWORD>(message), &data) != FALSE;
}

// --- the main window --------------------------------------------------------

Handle Win32WindowSystem::MainWindow() {
    return AsHandle(MainHwnd());
}

Handle Win32WindowSystem::MainIcon() {
    return AsHandle(smallIcon_.get());
}

WindowState Win32WindowSystem::GetWindowState() {
    if (::IsIconic(MainHwnd())) {
        return WindowState::Minimised;
    }
    return ::IsZoomed(MainHwnd()) ? WindowState::Maximised : WindowState::Normal;
}

void Win32WindowSystem::SetWindowState(WindowState state) {
    HWND hwnd = MainHwnd();
    if (state == GetWindowState()) {
        return;
    }
    switch (state) {
        case WindowState::Minimised:
            ::ShowWindow(hwnd, ::IsWindowVisible(hwnd) ? SW_MINIMIZE : SW_SHOWMINNOACTIVE);
            break;
        case WindowState::Maximised:
            ::ShowWindow(hwnd, SW_MAXIMIZE);
            break;
        case WindowState::Normal:
            ::ShowWindow(hwnd, SW_RESTORE);
            break;
    }
}

bool Win32WindowSystem::IsVisible() {
    return ::IsWindowVisible(MainHwnd()) != FALSE;
}

void Win32WindowSystem::SetVisible(bool visible) {
    ::ShowWindow(MainHwnd(), visible ? SW_SHOW : SW_HIDE);
}

void Win32WindowSystem::FocusMainWindow() {
    ::SetForegroundWindow(MainHwnd());
    if (main_) {
        main_->RestoreFocus();
    }
}

// --- controls ---------------------------------------------------------------

std::string Win32WindowSystem::GetText(Control control) {
    FormWindow* form = FormWith(control);
    return form ? form->GetText(control) : std::string();
}

void Win32WindowSystem::SetText(Control control, const std::string& text) {
    if (FormWindow* form = FormWith(control)) {
        form->SetText(control, text);
    }
}

bool Win32WindowSystem::IsEnabled(Control control) {
    FormWindow* form = FormWith(control);
    return form && ::IsWindowEnabled(form->ControlWindow(control));
}

void Win32WindowSystem::SetEnabled(Control control, bool enabled) {
    if (FormWindow* form = FormWith(control)) {
        ::EnableWindow(form->ControlWindow(control), enabled);
    }
}

void Win32WindowSystem::SetFocus(Control control) {
    if (FormWindow* form = FormWith(control)) {
        ::SetFocus(form->ControlWindow(control));
    }
}

int Win32WindowSystem::GetCheckValue(Control control) {
    FormWindow* form = FormWith(control);
    if (!form) {
        return 0;
    }
    switch (::SendMessageW(form->ControlWindow(control), BM_GETCHECK, 0, 0)) {
        case BST_CHECKED:
            return 1;
        case BST_INDETERMINATE:
            return 2;
        default:
            return 0;
    }
}

// A check box raises its click event whenever its value changes, whoever
// changes it.
void Win32WindowSystem::SetCheckValue(Control control, int value) {
    FormWindow* form = FormWith(control);
    if (!form) {
        return;
    }
    const bool changed = GetCheckValue(control) != value;
    const WPARAM state =
        value == 1 ? BST_CHECKED : (value == 2 ? BST_INDETERMINATE : BST_UNCHECKED);
    ::SendMessageW(form->ControlWindow(control), BM_SETCHECK, state, 0);
    if (changed) {
        OnClick(*form, control);
    }
}

void Win32WindowSystem::SetForeColour(Control control, Colour colour) {
    if (FormWindow* form = FormWith(control)) {
        form->SetForeColour(control, colour);
    }
}

void Win32WindowSystem::ShowMessage(const std::string& text) {
    ::MessageBoxW(MainHwnd(), Widen(text).c_str(), Widen(program_.appTitle).c_str(), MB_OK);
}

// --- the About window -------------------------------------------------------

bool Win32WindowSystem::IsAboutLoaded() {
    return about_ && about_->hwnd();
}

void Win32WindowSystem::LoadAbout() {
    about_ = std::make_unique<FormWindow>(program_.aboutForm, AsHost(), bigIcon_.get(),
                                          smallIcon_.get());
}

void Win32WindowSystem::ShowAbout() {
    if (!IsAboutLoaded()) {
        return;
    }
    HWND hwnd = about_->hwnd();
    ::ShowWindow(hwnd, ::IsIconic(hwnd) ? SW_RESTORE : SW_SHOWNORMAL);
    ::SetForegroundWindow(hwnd);
}

void Win32WindowSystem::DoEvents() {
    MSG msg{};
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));  // for the main loop to see
            return;
        }
        Dispatch(msg);
    }
}

// --- other programs -----------------------------------------------------------

bool Win32WindowSystem::StartProcess(const std::string& application,
                                     const std::string& commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    const std::wstring app = Widen(application);
    std::wstring line = Widen(commandLine);  // CreateProcessW may write into it
    if (!::CreateProcessW(app.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return false;
    }
    UniqueHandle thread(process.hThread);
    UniqueHandle child(process.hProcess);
    return true;
}

bool Win32WindowSystem::OpenInDefaultBrowser(const std::string& url) {
    constexpr INT_PTR kFirstSuccess = 33;  // ShellExecute returns > 32 on success
    const auto execute = ShellEntry<decltype(&::ShellExecuteW)>("ShellExecuteW");
    if (!execute) {
        return false;
    }
    com_.Enter();
    const HINSTANCE result =
        execute(MainHwnd(), L"open", Widen(url).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) >= kFirstSuccess;
}

// --- text -------------------------------------------------------------------

std::optional<std::string> Win32WindowSystem::AnsiCharacter(std::uint8_t code) {
    if (::IsDBCSLeadByte(code)) {
        return std::nullopt;
    }
    const char byte = static_cast<char>(code);
    wchar_t wide = 0;
    if (::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) != 1) {
        return std::nullopt;
    }
    return Narrow(std::wstring(1, wide));
}

std::optional<std::string> Win32WindowSystem::KeyboardCharacter(int key) {
    const UINT mapped = ::MapVirtualKeyW(static_cast<UINT>(key), kCheckMapsToChar) & ~kDeadKeyBit;
    if (mapped == 0) {
        return std::nullopt;
    }
    return Narrow(std::wstring(1, static_cast<wchar_t>(mapped)));
}

std::string Win32WindowSystem::ToAnsi(const std::string& text) {
    return ToAnsiCodePage(text);
}

// --- files ------------------------------------------------------------------

bool Win32WindowSystem::NormalFileExists(const std::string& path) {
    return win::NormalFileExists(path);
}

std::optional<std::string> Win32WindowSystem::ReadFileHead(const std::string& path,
                                                           std::size_t maxBytes) {
    return win::ReadFileHead(path, maxBytes);
}

bool Win32WindowSystem::ReplaceFileContents(const std::string& path, const std::string& content) {
    return win::ReplaceFileContents(path, content);
}

}  // namespace platform::win
