// The frame round a freshly pinned window, for real: one layered pop-up
// window, made at the first frame and reused, that takes no focus and lets
// every click through to the window beneath; and what Windows says of the
// framed window's place and of the colours.
#pragma once

#include <windows.h>

#include "platform/Highlight.h"
#include "platform/win32/Handles_win.h"

namespace platform::win {

class Win32Highlight final : public Highlight {
  public:
    // className: the frame window's class, registered here.
    explicit Win32Highlight(const wchar_t* className) : className_(className) {}

    std::optional<WindowOnScreen> Look(Handle window) override;
    SystemAccent Colours() override;
    bool AnimationsOn() override;
    void ShowFrame(const FrameDrawing& frame) override;
    void HideFrame(FrameEnd end) override;

  private:
    static LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND FrameWindow();
    PixelRect VisibleFrame(HWND hwnd);
    int MonitorDpi(HMONITOR monitor);
    void Paint(HWND hwnd);
    void FadeStep(HWND hwnd);
    void SetAlpha(HWND hwnd, BYTE alpha);
    UniqueLibrary& Dwm();

    const wchar_t* className_;
    UniqueWindow frame_;
    // dwmapi (Vista on) and shcore (Windows 8.1 on), loaded at the first
    // frame; dwmapiTried_ and shcoreTried_ keep a missing one from being
    // looked for again.
    UniqueLibrary dwmapi_;
    UniqueLibrary shcore_;
    bool dwmapiTried_ = false;
    bool shcoreTried_ = false;
    FrameDrawing drawing_;
    int alpha_ = 255;
};

}  // namespace platform::win
