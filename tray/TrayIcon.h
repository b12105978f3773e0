// The program's icon in the notification area.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/Text.h"
#include "platform/TrayArea.h"
#include "platform/WindowEvents.h"

namespace tray {

constexpr const char* kTipText = "Orvane置顶工具";
// The record's size in its first, ANSI layout, which every shell understands.
constexpr std::uint32_t kRecordSize = 88;
// The icon talks back with the mouse-move message.
constexpr std::uint32_t kCallbackMessage = platform::wm::kMouseMove;

// The tip field: the text and a NUL, padded with blanks to 64 characters,
// converted to the ANSI code page and cut to 64 bytes.
std::array<char, platform::kTrayTipBytes> TipField(platform::Text& text);

// A freshly filled record for the window and its icon.
platform::TrayRecord MakeRecord(platform::Handle window, platform::Handle icon,
                                platform::Text& text);

// The mouse message of a notification from the icon with this id; nothing
// for the pointer's own moves over the window (whose first parameter holds
// button flags, never an icon handle, and whose second holds a y coordinate).
std::optional<std::uint32_t> TrayNotification(const platform::MouseMove& event,
                                              std::uint32_t iconId);

// Only the left button going down on the icon brings the window back.
bool IsRestoreRequest(const platform::MouseMove& event, std::uint32_t iconId);

// At logon the shell may not be ready when the program goes to the tray: the
// add then fails, or times out although the icon appears later.  While the
// window is hidden the add is tried again, once a second for as long as it
// takes, so a hidden window always ends up with an icon to bring it back.
// A try costs the shell one request; a slow logon may take minutes.
class AddRetry {
  public:
    static constexpr int kTicksBetweenTries = 5;  // of the 200 ms poll: one second

    void AfterAdd(bool added);
    // True on the tick when the next try is due.
    bool Due();
    void Stop() { trying_ = false; }

  private:
    bool trying_ = false;
    int ticksLeft_ = 0;
};

}  // namespace tray
