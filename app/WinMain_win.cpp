// The program's entry: the main window is the start-up object.
#include <windows.h>
#include <commctrl.h>

#include "app/frmPos.h"
#include "platform/win32/Handles_win.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    platform::win::KeepDllSearchToTheSystemFolder();
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&commonControls);
    app::frmPos form;
    return form.Run(showCommand);
}
