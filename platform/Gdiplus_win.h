// GDI+ is up for as long as one of these lives.  Only the About window's
// picture needs it, so it starts with the first About window, not with the
// program: its start-up costs a thread and tens of milliseconds.
#pragma once

#include <windows.h>
#include <objidl.h>

#include <algorithm>
// GDI+'s headers expect min and max in scope.
using std::max;
using std::min;
#include <gdiplus.h>

namespace platform::win {

class GdiplusSession {
  public:
    GdiplusSession() {
        Gdiplus::GdiplusStartupInput input;
        ok_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
    }
    ~GdiplusSession() {
        if (ok_) {
            Gdiplus::GdiplusShutdown(token_);
        }
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

  private:
    ULONG_PTR token_ = 0;
    bool ok_ = false;
};

}  // namespace platform::win
