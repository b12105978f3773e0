// The frame for real: one pop-up, made at the first frame and kept.
#pragma once

#include "platform/Highlight.h"
#include "platform/win32/Handles_win.h"

namespace platform::win {

class Win32Highlight final : public Highlight {
  public:
    explicit Win32Highlight(const wchar_t* className) : className_(className) {}

    std::optional<WindowOnScreen> Look(Handle window) override;
    SystemAccent Colours() override;
    bool AnimationsOn() override;
    void ShowFrame(const FrameDrawing& frame) override;
    void HideFrame(FrameEnd end) override;

    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    PixelRect VisibleFrame(HWND hwnd);
    int MonitorDpi(HMONITOR monitor);
    void SetAlpha(int alpha);

    const wchar_t* className_;
    UniqueWindow frame_;
    LazyLibrary dwmapi_{L"dwmapi.dll"};  // Vista on
    LazyLibrary shcore_{L"shcore.dll"};  // Windows 8.1 on
    FrameDrawing drawing_;
    int alpha_ = 255;
};

}  // namespace platform::win
