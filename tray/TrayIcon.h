// The program's icon in the notification area.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "app/Facts.h"
#include "app/version.h"
#include "platform/Handle.h"
#include "platform/TrayArea.h"
#include "platform/WindowEvents.h"

namespace tray {

// The tip is the product's name, in UTF-16: it reads right whatever the
// system's ANSI code page is, as the windows' own texts do.
inline constexpr char16_t kTipText[] = u"" ORVANE_PRODUCT;
// The icon's id, the same in every run.  Without a GUID the shell knows an
// icon by the program's path and this id, and so keeps the user's choice
// for it ("show icon and notifications") from one run to the next.
constexpr std::uint32_t kIconId = 1;
// The icon talks back with the mouse-move message.
constexpr std::uint32_t kCallbackMessage = platform::wm::kMouseMove;

// The tip field: the text and a NUL, padded with blanks to 64 characters.
std::array<char16_t, platform::kTrayTipChars> TipField();

// A freshly filled record for the window and an icon image.
platform::TrayRecord MakeRecord(platform::Handle window, platform::Handle icon);

// The mouse message of a notification from the icon with this id (0: no
// icon yet); nothing for the pointer's own moves over the window, whose
// second parameter holds a y coordinate, on the callback always 0.  The one
// move that reads as a notification, the left button alone held at pixel
// (x, 0), x the message, never comes while the window is hidden.
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
    static constexpr unsigned kMillisecondsBetweenTries = 1000;
    // The poll is the clock, so a try is due every so many of its ticks.
    static constexpr int kTicksBetweenTries =
        static_cast<int>(kMillisecondsBetweenTries / app::facts::kPollMilliseconds);
    static_assert(kTicksBetweenTries >= 1, "a poll slower than a second tries every tick");

    void AfterAdd(bool added);
    // True on the tick when the next try is due.
    bool Due();
    void Stop() { trying_ = false; }

  private:
    bool trying_ = false;
    int ticksLeft_ = 0;
};

}  // namespace tray
