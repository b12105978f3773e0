// Help for real: the About window (kept with the message loop, which
// dispatches to it), other programs, and the default browser.
#pragma once

#include "platform/Help.h"
#include "platform/win32/Handles_win.h"
#include "platform/win32/ProgramWindows_win.h"
#include "platform/win32/ShellLibrary_win.h"

namespace platform::win {

class Win32Help final : public Help {
  public:
    // The shell outlives this, so COM is left before shell32 goes.
    Win32Help(ProgramWindows& windows, ShellLibrary& shell) : windows_(windows), shell_(shell) {}

    bool IsAboutLoaded() override { return windows_.IsAboutLoaded(); }
    void LoadAbout() override { windows_.LoadAbout(); }
    void ShowAbout() override { windows_.ShowAbout(); }
    void DoEvents() override { windows_.DoEvents(); }
    [[nodiscard]] bool StartProcess(const std::string& application,
                                    const std::string& commandLine) override;
    [[nodiscard]] bool OpenInDefaultBrowser(const std::string& url) override;

  private:
    ProgramWindows& windows_;
    ShellLibrary& shell_;
    // Entered before the first default-browser start: some URL handlers are
    // COM servers.
    ComApartment com_;
};

}  // namespace platform::win
