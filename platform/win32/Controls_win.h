// The controls of both windows, as the handlers see them.
#pragma once

#include "app/Controls.h"
#include "platform/win32/ProgramWindows_win.h"

namespace platform::win {

class Win32Controls final : public app::Controls {
  public:
    Win32Controls(ProgramWindows& windows, const ProgramDefinition& program)
        : windows_(windows), appTitle_(program.appTitle) {}

    std::string GetText(app::Control control) override;
    void SetText(app::Control control, const std::string& text) override;
    bool IsEnabled(app::Control control) override;
    void SetEnabled(app::Control control, bool enabled) override;
    void SetFocus(app::Control control) override;
    int GetCheckValue(app::Control control) override;
    void SetCheckValue(app::Control control, int value) override;
    void SetForeColour(app::Control control, app::Colour colour) override;
    void SetBackColour(app::Control control, app::Colour colour) override;
    void SetFormBackColour(app::Form form, app::Colour colour) override;
    void ShowMessage(const std::string& text) override;

  private:
    // The control's own window; null for a drawn one or a closed window's.
    HWND ControlHwnd(app::Control control) const;

    ProgramWindows& windows_;
    const char* appTitle_;
};

}  // namespace platform::win
