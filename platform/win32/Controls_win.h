// The controls of both windows, as the handlers see them.
#pragma once

#include "platform/Controls.h"
#include "platform/win32/ProgramWindows_win.h"

namespace platform::win {

class Win32Controls final : public platform::Controls {
  public:
    Win32Controls(ProgramWindows& windows, const ProgramDefinition& program)
        : windows_(windows), appTitle_(program.appTitle) {}

    std::string GetText(platform::Control control) override;
    void SetText(platform::Control control, const std::string& text) override;
    bool IsEnabled(platform::Control control) override;
    void SetEnabled(platform::Control control, bool enabled) override;
    void SetFocus(platform::Control control) override;
    bool IsChecked(platform::Control control) override;
    void SetChecked(platform::Control control, bool checked) override;
    void SetForeColour(platform::Control control, platform::Colour colour) override;
    void SetBackColour(platform::Control control, platform::Colour colour) override;
    void SetFormBackColour(platform::Form form, platform::Colour colour) override;
    void ShowMessage(const std::string& text) override;

  private:
    // The control's own window; null for a drawn one or a closed window's.
    HWND ControlHwnd(platform::Control control) const;

    ProgramWindows& windows_;
    const char* appTitle_;
};

}  // namespace platform::win
