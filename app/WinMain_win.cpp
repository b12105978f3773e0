// The program's entry: the main window is the start-up object.
#include <windows.h>
#include <commctrl.h>
#include <objidl.h>

#include <algorithm>
using std::max;
using std::min;
#include <gdiplus.h>

#include "about/AboutForm.h"
#include "app/MainForm.h"
#include "app/frmPos.h"
#include "app/resource.h"
#include "app/version.h"
#include "pin/PinToggle.h"
#include "platform/WindowSystem_win.h"

namespace {

// GDI+ is up for as long as this lives: it draws the About window's picture.
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

constexpr platform::win::ProgramDefinition kProgram{
    app::kFrmPos,
    about::kFrmAbout,
    pin::kPollMilliseconds,
    ORVANE_APP_TITLE,
    L"Local\\Orvane.TopmostTool.8F2C6A4E-2D1B-4C39-9E57-3A0B6D4F1C82",
    IDI_APP,
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    GdiplusSession gdiplus;
    platform::win::Win32WindowSystem windowSystem(kProgram);
    app::frmPos form(windowSystem);
    return windowSystem.Run(form, showCommand);
}
