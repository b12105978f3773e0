// Help for real: the About window (kept with the message loop, which
// dispatches to it), other programs, and the default browser.
#pragma once

#include "platform/Help.h"
#include "platform/win32/Handles_win.h"
#include "platform/win32/ProgramWindows_win.h"
#include "platform/win32/ShellLibrary_win.h"

namespace platform::win {

// COM on the calling thread, apartment-threaded, from the first Enter() to
// the owner's end.  ole32 is loaded then, not at the program's start.
class ComApartment {
  public:
    ComApartment() = default;
    ~ComApartment() {
        if (entered_) {
            if (const auto leave = ProcAddress<void(WINAPI*)()>(ole32_, "CoUninitialize")) {
                leave();
            }
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    void Enter() {
        if (entered_) {
            return;
        }
        ole32_ = LoadSystemLibrary(L"ole32.dll");
        using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
        const auto enter = ProcAddress<CoInitializeExFn>(ole32_, "CoInitializeEx");
        // S_FALSE (already entered) must be left once too; a thread in
        // another apartment must not be.
        entered_ =
            enter && SUCCEEDED(enter(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }

  private:
    UniqueLibrary ole32_;
    bool entered_ = false;
};

class Win32Help final : public Help {
  public:
    // The shell outlives this, so COM is left before shell32 goes.
    Win32Help(ProgramWindows& windows, ShellLibrary& shell) : windows_(windows), shell_(shell) {}

    bool IsAboutLoaded() override { return windows_.IsAboutLoaded(); }
    void LoadAbout() override { windows_.LoadAbout(); }
    void ShowAbout() override { windows_.ShowAbout(); }
    void PaintNow() override { windows_.PaintNow(); }
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
