#include "platform/win32/ProgramWindows_win.h"

#include <windows.h>

namespace platform::win {
namespace {

constexpr UINT_PTR kTimer1 = 1;
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

// Run as administrator, the window hears nothing a process of lower
// integrity (the shell, a second start as a standard user) sends it but what
// it allows: User Interface Privilege Isolation blocks the rest.  Run so, it
// lets the message through; otherwise nothing is blocked and this changes
// nothing.  The window's own filter exists from Windows 7, the process's from
// Vista; Windows XP has no such isolation.
void AllowFromLowerIntegrity(HWND hwnd, UINT message) {
    using ForWindowFn = BOOL(WINAPI*)(HWND, UINT, DWORD, void*);
    using ForProcessFn = BOOL(WINAPI*)(UINT, DWORD);
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW, and MSGFLT_ADD for the process
    const HMODULE user32 = ::GetModuleHandleW(L"user32.dll");
    if (const auto forWindow = ProcAddress<ForWindowFn>(user32, "ChangeWindowMessageFilterEx")) {
        forWindow(hwnd, message, kAllow, nullptr);
    } else if (const auto forProcess =
                   ProcAddress<ForProcessFn>(user32, "ChangeWindowMessageFilter")) {
        forProcess(message, kAllow);
    }
}

// What the system says; which part takes which colour is the program's to
// decide (app::ColoursFor).
SystemColourState ReadSystemColours() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    const bool on =
        ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) != FALSE &&
        (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return {on,
            {::GetSysColor(COLOR_WINDOW), ::GetSysColor(COLOR_BTNFACE),
             ::GetSysColor(COLOR_WINDOWTEXT), ::GetSysColor(COLOR_HOTLIGHT)}};
}

}  // namespace

ProgramWindows::ProgramWindows(const ProgramDefinition& program)
    : program_(program),
      taskbarCreatedMessage_(::RegisterWindowMessageW(L"TaskbarCreated")),
      showMessage_(::RegisterWindowMessageW(program.showMessageName)) {}

ProgramWindows::~ProgramWindows() {
    CloseAll();
}

// Windows still open now close without raising events.
void ProgramWindows::CloseAll() {
    events_ = nullptr;
    about_.reset();
    main_.reset();
}

int ProgramWindows::Run(WindowEvents& events, int showCommand) {
    main_ = std::make_unique<FormWindow>(program_.mainForm, Host(), program_.iconResource);
    if (!MainHwnd()) {
        return 1;
    }
    // The poll runs from creation to close, hidden or not.
    ::SetTimer(MainHwnd(), kTimer1, program_.timerMilliseconds, nullptr);
    // The taskbar's return, the tray icon's callback (the mouse-move
    // message) and another start's request reach the window even when it
    // runs as administrator.
    for (const UINT message : {taskbarCreatedMessage_, showMessage_}) {
        if (message != 0) {
            AllowFromLowerIntegrity(MainHwnd(), message);
        }
    }
    AllowFromLowerIntegrity(MainHwnd(), WM_MOUSEMOVE);
    events_ = &events;
    FollowSystemColours();
    events_->Load();
    if (ending_) {
        CloseAll();
        return 0;
    }
    // Shown once loaded, unless the load sent it to the tray already.
    HWND hwnd = MainHwnd();
    if (!::IsWindowVisible(hwnd) && !::IsIconic(hwnd) && !::IsZoomed(hwnd)) {
        ShowFirstTime(hwnd, showCommand);
    }
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        Dispatch(msg);
    }
    CloseAll();
    return static_cast<int>(msg.wParam);
}

void ProgramWindows::Dispatch(MSG& msg) {
    if ((main_ && main_->PreTranslate(msg)) || (about_ && about_->PreTranslate(msg))) {
        return;
    }
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
}

HWND ProgramWindows::MainHwnd() const {
    return main_ ? main_->hwnd() : nullptr;
}

WindowEvents* ProgramWindows::EventsFrom(const FormWindow& form) const {
    return (&form == main_.get()) ? events_ : nullptr;
}

FormWindow* ProgramWindows::FormWith(platform::Control control) const {
    const int id = platform::ControlId(control);
    for (platform::Form form : {platform::Form::Main, platform::Form::About}) {
        if (FormWindow* window = Open(form); window && window->Has(id)) {
            return window;
        }
    }
    return nullptr;
}

FormWindow* ProgramWindows::Open(platform::Form form) const {
    const std::unique_ptr<FormWindow>& window = form == platform::Form::Main ? main_ : about_;
    return window && window->hwnd() ? window.get() : nullptr;
}

// --- messages into handlers ------------------------------------------------

// Only the main window's events go to the program; which handler each
// raises is the program's to say.
void ProgramWindows::OnClick(FormWindow& form, int control) {
    if (WindowEvents* events = EventsFrom(form)) {
        events->Clicked(control);
    }
}

void ProgramWindows::OnKeyUp(FormWindow& form, int control, int key) {
    if (WindowEvents* events = EventsFrom(form)) {
        events->KeyReleased(control, key);
    }
}

void ProgramWindows::OnMouseMove(FormWindow& form, std::optional<int> label, WPARAM wParam,
                                 LPARAM lParam) {
    WindowEvents* events = EventsFrom(form);
    if (!events) {
        return;
    }
    // The message's own parameters: the tray icon's callback comes as this
    // same message, and the handler tells the two apart from them.
    MouseMove move;
    move.wParam = wParam;
    move.lParam = static_cast<std::uintptr_t>(lParam);
    // A callback's "coordinates" (x = the mouse message, y = 0) lie on the
    // window's top edge, where no label is.
    move.label = label;
    events->MouseMoved(move);
}

void ProgramWindows::OnResize(FormWindow& form) {
    if (WindowEvents* events = EventsFrom(form)) {
        events->Resize();
    }
}

void ProgramWindows::OnTimer(FormWindow& form) {
    if (WindowEvents* events = EventsFrom(form)) {
        events->Timer();
    }
}

// The unload event runs once, whichever way the program is closed.
void ProgramWindows::Unload() {
    if (unloaded_ || !events_) {
        return;
    }
    unloaded_ = true;
    events_->Unload();
}

void ProgramWindows::OnClose(FormWindow& form) {
    if (&form == main_.get()) {
        Unload();
    }
    ::DestroyWindow(form.hwnd());
}

bool ProgramWindows::AnyWindowLeft(const FormWindow& closing) const {
    const FormWindow* other = (&closing == main_.get()) ? about_.get() : main_.get();
    return other && other->hwnd();
}

void ProgramWindows::OnDestroyed(FormWindow& form) {
    if (&form == main_.get()) {
        ::KillTimer(form.hwnd(), kTimer1);
        // The running instance's mark goes with the lock at the unload; a
        // window destroyed some other way takes none with it (a window's
        // properties are to be removed before it is destroyed).
        ::RemovePropW(form.hwnd(), program_.runningMarkName);
    }
    // The program ends with its last window; an open About window outlives
    // the main one.
    if (!AnyWindowLeft(form)) {
        ::PostQuitMessage(0);
    }
}

bool ProgramWindows::OnOtherMessage(FormWindow& form, UINT message, WPARAM wParam,
                                    LPARAM /*lParam*/, LRESULT& result) {
    if (message == WM_SYSCOLORCHANGE || message == WM_SETTINGCHANGE) {
        FollowSystemColours();
        return false;  // and what Windows does with it
    }
    WindowEvents* events = EventsFrom(form);
    if (!events) {
        return false;
    }
    if (message == taskbarCreatedMessage_ && taskbarCreatedMessage_ != 0) {
        events->TaskbarCreated();
        result = 0;
        return true;
    }
    if (message == showMessage_ && showMessage_ != 0) {
        events->ShowRequested();
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

// --- colours -----------------------------------------------------------------

// Both windows hear each change; the second finds nothing new.  The handlers
// hear of it while the program runs, an About window outliving the main one
// too: they paint both.
void ProgramWindows::FollowSystemColours() {
    if (!events_) {
        return;  // the first reading goes to the handlers as they start
    }
    const SystemColourState system = ReadSystemColours();
    if (system == reported_) {
        return;
    }
    reported_ = system;
    events_->ColoursChanged(system.highContrast, system.colours);
}

// --- the About window -------------------------------------------------------

bool ProgramWindows::IsAboutLoaded() const {
    return Open(platform::Form::About) != nullptr;
}

void ProgramWindows::LoadAbout() {
    about_ = std::make_unique<FormWindow>(program_.aboutForm, Host(), program_.iconResource);
}

void ProgramWindows::ShowAbout() {
    if (!IsAboutLoaded()) {
        return;
    }
    HWND hwnd = about_->hwnd();
    ::ShowWindow(hwnd, ::IsIconic(hwnd) ? SW_RESTORE : SW_SHOWNORMAL);
    ::SetForegroundWindow(hwnd);
}

// Only paint messages are taken from the queue, for the windows and their
// controls alike: no tick, click or close runs inside the handler that asks.
// A quit comes whatever the filter, and is put back for the main loop.
void ProgramWindows::PaintNow() {
    MSG msg{};
    while (::PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        ::DispatchMessageW(&msg);
    }
}

}  // namespace platform::win
