// The About window: modeless, with no owner, kept until the user closes it.
#pragma once

#include "about/About.h"
#include "platform/win32/Window_win.h"

namespace about {

class AboutWindow : public platform::win::OwnWindow {
  public:
    AboutWindow(int iconResource, int pictureResource)
        : iconResource_(iconResource), pictureResource_(pictureResource) {}
    ~AboutWindow() {
        if (hwnd_) {
            ::DestroyWindow(hwnd_);
        }
    }
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    // Made if it isn't open, brought to the front and painted at once.
    void Show(HWND mainWindow);
    bool IsOpen() const { return hwnd_ != nullptr; }
    void SetColours(const AboutColours& colours) {
        colours_ = colours;
        if (hwnd_) {
            ::InvalidateRect(hwnd_, nullptr, FALSE);
        }
    }

    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    platform::win::WindowDesign Design() const;
    void ApplyDpi(int dpi, const RECT* suggested);
    void Paint(HDC dc) const;
    void PaintPicture(HDC dc) const;

    int iconResource_;
    int pictureResource_;
    HWND main_ = nullptr;
    int dpi_ = platform::win::kDesignDpi;
    platform::win::WindowIcons icons_;
    platform::win::UniqueFont fonts_[3];  // the credit's, the title's, the instructions'

    platform::win::UniqueBitmap picture_;  // drawn unscaled at the design DPI
    AboutColours colours_;
};

}  // namespace about
