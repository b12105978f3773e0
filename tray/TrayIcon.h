// The program's icon in the notification area.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "platform/Handle.h"
#include "platform/TrayArea.h"
#include "platform/WindowEvents.h"

namespace tray {

// The icon's id, the same in every run.  Without a GUID the shell knows an
// icon by the program's path and this id, and so keeps the user's choice
// for it ("show icon and notifications") from one run to the next.
constexpr std::uint32_t kIconId = 1;
// The icon talks back with the mouse-move message.
constexpr std::uint32_t kCallbackMessage = platform::wm::kMouseMove;

// The tip field: the text and a NUL, padded with blanks to 64 characters.
// In UTF-16 it reads right whatever the system's ANSI code page is, as the
// windows' own texts do.
std::array<char16_t, platform::kTrayTipChars> TipField(std::u16string_view tip);

// A freshly filled record for the window, an icon image and the tip.
platform::TrayRecord MakeRecord(platform::Handle window, platform::IconHandle icon,
                                std::u16string_view tip);

// The mouse message of a notification from the icon with this id (0: no
// icon yet); nothing for the pointer's own moves over the window, whose
// second parameter holds a y coordinate, on the callback always 0.  The one
// move that reads as a notification, the left button alone held at pixel
// (x, 0), x the message, never comes while the window is hidden.
std::optional<std::uint32_t> TrayNotification(const platform::MouseMove& event,
                                              std::uint32_t iconId);

// The icon asks for the callbacks of version 3, in which the keyboard's
// selection has a message of its own (in version 0 it reads as the right
// button); the parameters are as in version 0, as TrayNotification reads
// them.
constexpr std::uint32_t kCallbackVersion = platform::kTrayVersion2000;

// The left button going down on the icon brings the window back, and so
// does the keyboard's selection of it (Win+B, the arrows, then Space or
// Enter).  Nothing else: not the version's selection after the left
// button's click, which the button going down has answered already, and
// nothing of the right button or the menu key.
bool IsRestoreRequest(const platform::MouseMove& event, std::uint32_t iconId);

// At logon the shell may not be ready when the program goes to the tray: the
// add then fails, or times out although the icon appears later.  While the
// window is hidden the add is tried again, once a second for as long as it
// takes, so a hidden window always ends up with an icon to bring it back.
// A try costs the shell one request; a slow logon may take minutes.
class AddRetry {
  public:
    static constexpr unsigned kMillisecondsBetweenTries = 1000;

    // The clock is a timer of this period, so a try is due every so many of
    // its ticks; a timer slower than a second tries every tick.
    explicit AddRetry(unsigned tickMilliseconds)
        : ticksBetweenTries_(tickMilliseconds >= kMillisecondsBetweenTries
                                 ? 1
                                 : static_cast<int>(kMillisecondsBetweenTries / tickMilliseconds)) {
    }

    void AfterAdd(bool added);
    // True on the tick when the next try is due.
    bool Due();
    void Stop() { trying_ = false; }

  private:
    int ticksBetweenTries_;
    bool trying_ = false;
    int ticksLeft_ = 0;
};

}  // namespace tray
