// The window system, for real: Win32 windows, the shell's tray, files.  One
// object plays every role the program's handlers use; its member functions
// live by concern in WindowSystem_win.cpp (the message loop and the events),
// MainWindow_win.cpp (the main window and the controls) and Shell_win.cpp
// (the desktop, the tray, other programs, text and files).
#pragma once

#include <windows.h>

#include <memory>

#include "app/Platform.h"
#include "platform/win32/FormWindow_win.h"
#include "platform/win32/Handles_win.h"
#include "platform/WindowEvents.h"

namespace platform::win {

inline HWND AsHwnd(Handle h) {
    return reinterpret_cast<HWND>(h);
}
inline Handle AsHandle(const void* p) {
    return reinterpret_cast<Handle>(p);
}

struct ProgramDefinition {
    const FormDef& mainForm;
    const FormDef& aboutForm;
    unsigned timerMilliseconds;
    const char* appTitle;      // message boxes' caption
    const wchar_t* mutexName;  // tells a second start that one runs already
    int iconResource;
};

class Win32WindowSystem final : public app::Platform, private FormHost {
  public:
    explicit Win32WindowSystem(const ProgramDefinition& program);
    ~Win32WindowSystem() override;
    Win32WindowSystem(const Win32WindowSystem&) = delete;
    Win32WindowSystem& operator=(const Win32WindowSystem&) = delete;

    // Creates the main window, loads it and runs the message loop until no
    // window of the program is left.  Returns the exit code.
    int Run(WindowEvents& events, int showCommand);

    std::int16_t GetAsyncKeyState(std::int32_t key) override;
    Handle GetForegroundWindow() override;
    std::uint32_t GetExtendedStyle(Handle window) override;
    [[nodiscard]] bool SetWindowPos(Handle window, InsertAfter where, std::uint32_t flags) override;
    bool ShellNotifyIcon(TrayMessage message, const TrayRecord& record) override;
    bool PreviousInstance() override { return previousInstance_; }
    void EndInstance() override { ending_ = true; }
    Handle MainWindow() override;
    Handle MainIcon() override;
    WindowState GetWindowState() override;
    void SetWindowState(WindowState state) override;
    bool IsVisible() override;
    void SetVisible(bool visible) override;
    void FocusMainWindow() override;
    std::string GetText(app::Control control) override;
    void SetText(app::Control control, const std::string& text) override;
    bool IsEnabled(app::Control control) override;
    void SetEnabled(app::Control control, bool enabled) override;
    void SetFocus(app::Control control) override;
    int GetCheckValue(app::Control control) override;
    void SetCheckValue(app::Control control, int value) override;
    void SetForeColour(app::Control control, app::Colour colour) override;
    void ShowMessage(const std::string& text) override;
    bool IsAboutLoaded() override;
    void LoadAbout() override;
    void ShowAbout() override;
    void DoEvents() override;
    bool StartProcess(const std::string& application, const std::string& commandLine) override;
    bool OpenInDefaultBrowser(const std::string& url) override;
    std::optional<std::string> AnsiCharacter(std::uint8_t code) override;
    std::optional<std::string> KeyboardCharacter(int key) override;
    std::string ToAnsi(const std::string& text) override;
    bool NormalFileExists(const std::string& path) override;
    std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes) override;
    bool ReplaceFileContents(const std::string& path, const std::string& content) override;

  private:
    void OnClick(FormWindow& form, int control) override;
    void OnKeyUp(FormWindow& form, int control, int key, int shift) override;
    void OnMouseMove(FormWindow& form, std::optional<int> label, WPARAM wParam,
                     LPARAM lParam) override;
    void OnResize(FormWindow& form) override;
    void OnTimer(FormWindow& form) override;
    void OnClose(FormWindow& form) override;
    void OnDestroyed(FormWindow& form) override;
    bool OnOtherMessage(FormWindow& form, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) override;

    FormHost& Host() { return *this; }
    // shell32 is wanted only once the window goes to the tray or a page opens
    // in the default browser; loading it then keeps it out of the start.
    template <class Fn>
    Fn ShellEntry(const char* name) {
        if (!shell32_) {
            shell32_.reset(::LoadLibraryW(L"shell32.dll"));
        }
        return ProcAddress<Fn>(shell32_, name);
    }
    bool ShellLoaded() const { return static_cast<bool>(shell32_); }
    // Events go to the handlers only from the main window, once it is built.
    WindowEvents* EventsFrom(const FormWindow& form) const;
    FormWindow* FormWith(app::Control control) const;
    HWND MainHwnd() const;
    void Unload();
    void Dispatch(MSG& msg);
    bool AnyWindowLeft(const FormWindow& closing) const;

    const ProgramDefinition& program_;
    UniqueHandle instanceMutex_;
    bool previousInstance_ = false;
    // The tray's icon (and so its id): the system's small size, fixed.
    UniqueIcon smallIcon_;
    UINT taskbarCreatedMessage_ = 0;
    UniqueLibrary shell32_;
    // Entered before the first default-browser start (some URL handlers are
    // COM servers), and left before shell32 goes.
    ComApartment com_;
    std::unique_ptr<FormWindow> main_;
    std::unique_ptr<FormWindow> about_;
    WindowEvents* events_ = nullptr;
    bool ending_ = false;
    bool unloaded_ = false;
};

}  // namespace platform::win
