// The About window: the picture at the top left, the program's title, the
// maker's credit and the instructions drawn over it, and the icon.  Made at
// the first help click and kept until the user closes it; modeless, with no
// owner, so the main window stays usable and may close first.
#pragma once

#include <windows.h>

#include "about/About.h"
#include "platform/win32/Handles_win.h"
#include "platform/win32/Window_win.h"

namespace about {

class AboutWindow {
  public:
    AboutWindow(int iconResource, int pictureResource)
        : iconResource_(iconResource), pictureResource_(pictureResource) {}
    ~AboutWindow();
    AboutWindow(const AboutWindow&) = delete;
    AboutWindow& operator=(const AboutWindow&) = delete;

    // Made if it isn't open, brought to the front and painted at once,
    // before whatever the caller does next.  The program ends with its last
    // window: closed after the main one, this one ends it.
    void Show(HWND mainWindow);
    bool IsOpen() const { return hwnd_ != nullptr; }
    // Now, and for a window made later.
    void SetColours(const AboutColours& colours);

    LRESULT OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    platform::win::WindowDesign Design() const;
    void ApplyDpi(int dpi, const RECT* suggested);
    void Paint(HDC dc, const RECT& client) const;
    void PaintPicture(HDC dc) const;

    int iconResource_;
    int pictureResource_;
    HWND hwnd_ = nullptr;
    HWND main_ = nullptr;
    int dpi_ = platform::win::kDesignDpi;
    platform::win::WindowIcons icons_;
    platform::win::UniqueFont titleFont_;
    platform::win::UniqueFont creditFont_;
    platform::win::UniqueFont helpFont_;
    platform::win::UniqueBitmap picture_;  // drawn unscaled at the design DPI
    AboutColours colours_;
};

}  // namespace about
