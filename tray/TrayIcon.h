// The program's icon in the notification area: the message its callbacks
// come as, which of them bring the window back, and the retries of an add
// the shell wasn't ready for.
#pragma once

#include <cstdint>

namespace tray {

// The icon's id, the same in every run.  Without a GUID the shell knows an
// icon by the program's path and this id, and so keeps the user's choice
// for it ("show icon and notifications") from one run to the next.
constexpr std::uint32_t kIconId = 1;
// The main window's own message for the icon's callbacks (WM_APP + 1): the
// icon's id in the first parameter, the event in the low word of the second.
constexpr std::uint32_t kCallbackMessage = 0x8000 + 1;
// The icon asks for the callbacks of version 3 (NOTIFYICON_VERSION, Windows
// 2000 on), in which the keyboard's selection of the icon has an event of
// its own (in version 0 it reads as the right button).
constexpr std::uint32_t kCallbackVersion = 3;

// The events of a callback, as the window system numbers them.
namespace event {
constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kLButtonDown = 0x0201;
constexpr std::uint32_t kLButtonUp = 0x0202;
constexpr std::uint32_t kRButtonDown = 0x0204;
constexpr std::uint32_t kContextMenu = 0x007B;  // the right button's click, or the menu key
constexpr std::uint32_t kSelect = 0x0400;       // NIN_SELECT, after the left button's click
constexpr std::uint32_t kKeySelect = 0x0401;    // NIN_KEYSELECT: Space or Enter on the icon
}  // namespace event

// The left button going down on the icon brings the window back, and so
// does the keyboard's selection of it (Win+B, the arrows, then Space or
// Enter).  Nothing else: not the selection after the left button's click,
// which the button going down has answered already, nothing of the right
// button or the menu key, and no callback of another icon.
bool IsRestoreRequest(std::uintptr_t iconId, std::uintptr_t eventParam);

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
