// The program's two windows, the events they raise and the message loop.
// The About window lives here beside the main one rather than with the help
// role: the loop dispatches to both, and the program ends with the last.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>

#include "platform/Control.h"
#include "platform/FormDef.h"
#include "platform/WindowEvents.h"
#include "platform/win32/FormWindow_win.h"

namespace platform::win {

struct SystemColourState {
    bool highContrast = false;
    SystemColours colours;
    friend bool operator==(const SystemColourState&, const SystemColourState&) = default;
};

struct ProgramDefinition {
    const FormDef& mainForm;
    const FormDef& aboutForm;
    unsigned timerMilliseconds;
    const char* appTitle;            // message boxes' caption
    const wchar_t* mutexName;        // tells a second start that one runs already
    const wchar_t* showMessageName;  // asks the running instance to show itself
    const wchar_t* runningMarkName;  // the property on the running instance's main window
    int iconResource;
};

class ProgramWindows final : private FormHost {
  public:
    explicit ProgramWindows(const ProgramDefinition& program);
    ~ProgramWindows() override;
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;

    // Creates the main window, loads it and runs the message loop until no
    // window of the program is left.  Returns the exit code.
    int Run(WindowEvents& events, int showCommand);
    // Makes the load end the program, without the unload event.
    void EndWithoutUnload() { ending_ = true; }

    FormWindow* Main() const { return main_.get(); }
    // The message another start sends the running one to show itself.
    UINT ShowMessage() const { return showMessage_; }
    HWND MainHwnd() const;
    // The open window that holds the control, if any.
    FormWindow* FormWith(platform::Control control) const;
    // The window if it is open.
    FormWindow* Open(platform::Form form) const;

    bool IsAboutLoaded() const;
    void LoadAbout();
    void ShowAbout();
    // Paints what of both windows waits to be painted; runs no other event.
    void PaintNow();

  private:
    void OnClick(FormWindow& form, int control) override;
    void OnKeyUp(FormWindow& form, int control, int key) override;
    void OnMouseMove(FormWindow& form, std::optional<int> label, WPARAM wParam,
                     LPARAM lParam) override;
    void OnResize(FormWindow& form) override;
    void OnTimer(FormWindow& form) override;
    void OnClose(FormWindow& form) override;
    void OnDestroyed(FormWindow& form) override;
    bool OnOtherMessage(FormWindow& form, UINT message, WPARAM wParam, LPARAM lParam,
                        LRESULT& result) override;

    FormHost& Host() { return *this; }
    // Events go to the handlers only from the main window, once it is built.
    WindowEvents* EventsFrom(const FormWindow& form) const;
    void Unload();
    // The system's colours to the handlers, now and whenever they change.
    void FollowSystemColours();
    void Dispatch(MSG& msg);
    bool AnyWindowLeft(const FormWindow& closing) const;
    void CloseAll();

    const ProgramDefinition& program_;
    UINT taskbarCreatedMessage_ = 0;
    UINT showMessage_ = 0;
    std::unique_ptr<FormWindow> main_;
    std::unique_ptr<FormWindow> about_;
    WindowEvents* events_ = nullptr;
    std::optional<SystemColourState> reported_;  // the last reading the handlers heard
    bool ending_ = false;
    bool unloaded_ = false;
};

}  // namespace platform::win
