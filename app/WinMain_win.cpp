// The program's entry: the main window is the start-up object.
#include <windows.h>
#include <commctrl.h>

#include "about/AboutForm.h"
#include "app/EventRouter.h"
#include "app/MainForm.h"
#include "app/frmPos.h"
#include "app/resource.h"
#include "app/version.h"
#include "platform/win32/WindowSystem_win.h"

namespace {

constexpr platform::win::ProgramDefinition kProgram{
    app::kFrmPos,
    about::kFrmAbout,
    app::facts::kPollMilliseconds,
    ORVANE_APP_TITLE,
    L"Local\\Orvane.TopmostTool.8F2C6A4E-2D1B-4C39-9E57-3A0B6D4F1C82",
    IDI_APP,
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    platform::win::Win32WindowSystem windowSystem(kProgram);
    app::frmPos form(windowSystem);
    app::EventRouter events(form);
    return windowSystem.Run(events, showCommand);
}
