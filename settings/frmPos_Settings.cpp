// When the main window writes the settings file, and when it says a save failed.
#include "app/Control.h"
#include "app/Messages.h"
#include "app/frmPos.h"
#include "settings/ConfigFile.h"

namespace app {

void frmPos::SaveConfig(LostChange lost) {
    const settings::SaveResult result = settings::SaveConfigFile(
        roles_.files, HotKey_, roles_.controls.GetCheckValue(Control::CbAuto));
    if (result != settings::SaveResult::ChangeLost || lost == LostChange::StayQuiet ||
        saveFailureTold_) {
        return;
    }
    saveFailureTold_ = true;
    roles_.controls.ShowMessage(kSaveFailedMessage);
}

// Raised for the user's clicks and for every change the program makes.
void frmPos::CbAuto_Click() {
    SaveConfig();
}

}  // namespace app
