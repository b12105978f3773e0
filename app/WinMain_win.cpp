// The program's entry: the main window is the start-up object.
#include <windows.h>
#include <commctrl.h>

#include "about/AboutForm.h"
#include "app/EventRouter.h"
#include "app/Facts.h"
#include "app/MainForm.h"
#include "app/frmPos.h"
#include "app/resource.h"
#include "app/version.h"
#include "platform/win32/Controls_win.h"
#include "platform/win32/Desktop_win.h"
#include "platform/win32/FileStore_win.h"
#include "platform/win32/Help_win.h"
#include "platform/win32/Highlight_win.h"
#include "platform/win32/MainWindow_win.h"
#include "platform/win32/ProgramWindows_win.h"
#include "platform/win32/ShellLibrary_win.h"
#include "platform/win32/SystemLibrary_win.h"
#include "platform/win32/Text_win.h"
#include "platform/win32/TrayArea_win.h"

namespace {

constexpr platform::win::ProgramDefinition kProgram{
    app::kFrmPos,
    about::kFrmAbout,
    app::facts::kPollMilliseconds,
    ORVANE_APP_TITLE,
    L"Local\\Orvane.TopmostTool.8F2C6A4E-2D1B-4C39-9E57-3A0B6D4F1C82",
    app::facts::kShowMessageName,
    app::facts::kRunningInstanceMark,
    IDI_APP,
};

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    platform::win::KeepDllSearchToTheSystemFolder();
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&commonControls);
    namespace win = platform::win;
    // Each object comes before those that use it, and so outlives them: the
    // windows every role, shell32 the desktop, the tray and the help (whose COM
    // goes first).
    win::ShellLibrary shell;
    win::ProgramWindows windows(kProgram);
    win::Win32Desktop desktop(shell);
    win::Win32TrayArea tray(shell);
    win::Win32FileStore files;
    win::Win32Text text;
    win::Win32Help help(windows, shell);
    win::Win32MainWindow window(windows, kProgram);
    win::Win32Controls controls(windows, kProgram);
    win::Win32Highlight highlight(app::facts::kPinFrameWindowClass);
    app::frmPos form({desktop, tray, files, text, help, window, controls, highlight});
    app::EventRouter events(form, form);
    return windows.Run(events, showCommand);
}
