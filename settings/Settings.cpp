#include "settings/Settings.h"

#include <cstdint>
#include <optional>

#include "platform/Control.h"
#include "settings/ConfigFile.h"

namespace settings {

std::optional<StartSettings> Settings::Load() {
    return LoadConfig(files_);
}

void Settings::Save(std::int16_t hotKey, LostChange lost) {
    const SaveResult result =
        SaveConfigFile(files_, hotKey, controls_.IsChecked(platform::Control::CbAuto));
    if (result != SaveResult::ChangeLost || lost == LostChange::StayQuiet || saveFailureTold_) {
        return;
    }
    saveFailureTold_ = true;
    controls_.ShowMessage(kSaveFailedMessage);
}

}  // namespace settings
