// When the main window writes the settings file.
#include "app/frmPos.h"
#include "settings/ConfigFile.h"

namespace app {

void frmPos::SaveConfig() {
    settings::SaveConfigFile(ws_.files, HotKey_, ws_.controls.GetCheckValue(Control::CbAuto));
}

// Raised for the user's clicks and for every change the program makes.
void frmPos::CbAuto_Click() {
    SaveConfig();
}

}  // namespace app
