// The frame for real: one pop-up, made at the first pin and kept, hollow by
// its window region, so that no colour of the screen's can hide its band.
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
    // The band's ring; the window's region changes only with it.
    struct Shape {
        int width = 0;
        int height = 0;
        int thickness = 0;
        int radius = 0;
        bool operator==(const Shape&) const = default;
    };

    HWND Window();
    int MonitorDpi(HMONITOR monitor);
    void SetShape(const Shape& shape);
    void SetAlpha(int alpha);

    const wchar_t* className_;
    WakeFn wake_;
    void* context_;
    UniqueWindow frame_;
    LazyLibrary dwmapi_{L"dwmapi.dll"};  // Vista on
    LazyLibrary shcore_{L"shcore.dll"};  // Windows 8.1 on
    Shape shape_;
    std::uint32_t colour_ = 0;
    int alpha_ = 255;
};

}  // namespace platform::win
