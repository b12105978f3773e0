// The frame for real: one layered pop-up with a picture of the band, made at
// the first pin and kept.
#pragma once

#include "platform/Highlight.h"
#include "platform/win32/Handles_win.h"

namespace platform::win {

class Win32Highlight final : public Highlight {
  public:
    using WakeFn = void (*)(void* context);
    Win32Highlight(const wchar_t* className, WakeFn wake, void* context)
        : className_(className), wake_(wake), context_(context) {}

    std::optional<WindowOnScreen> Look(Handle window) override;
    SystemAccent Colours() override;
    bool AnimationsOn() override;
    void WakeIn(unsigned ms) override;
    void ShowFrame(const FrameDrawing& frame) override;
    void HideFrame(FrameEnd end) override;

    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    HWND Window();
    int MonitorDpi(HMONITOR monitor);
    void Fade();

    const wchar_t* className_;
    WakeFn wake_;
    void* context_;
    UniqueWindow frame_;
    LazyLibrary dwmapi_{L"dwmapi.dll"};  // Vista on
    LazyLibrary shcore_{L"shcore.dll"};  // Windows 8.1 on
    int alpha_ = 255;
};

}  // namespace platform::win
