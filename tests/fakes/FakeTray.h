// The notification area in memory: the icons it shows, and a shell that may
// not be ready yet, as at logon.
#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "platform/TrayArea.h"
#include "platform/WindowEvents.h"
#include "tests/fakes/CallLog.h"

namespace fakes {

class FakeTray final : public platform::TrayArea {
  public:
    explicit FakeTray(CallLog& log) : log_(log) {}

    // The shell at logon: not there yet (adds fail, no icon), or busy (adds
    // report failure, but the icon appears all the same).  As a real shell,
    // it refuses to add an icon it shows already.
    enum class Shell { Ready, NotReady, TimesOut };
    Shell shell = Shell::Ready;

    // Every add the shell was asked for, and every delete.
    std::vector<platform::TrayRecord> trayAdds;
    std::vector<platform::TrayRecord> trayDeletes;
    // The icons the shell shows, by (window, id), with the image each shows,
    // and the version of the callbacks each asked for since its add (0 until
    // it asks).
    using Key = std::pair<platform::Handle, std::uint32_t>;
    std::map<Key, platform::IconHandle> trayIcons;
    std::map<Key, std::uint32_t> trayVersions;

    bool ShellNotifyIcon(platform::TrayMessage message,
                         const platform::TrayRecord& record) override;

    // What the user does to a shown icon, and the callbacks the shell then
    // sends the icon's window for it, by the version the icon asked for, as
    // Microsoft's page for Shell_NotifyIcon gives them (and Wine's tray
    // sends them for the mouse): in version 0 the keyboard's selection and
    // its menu key come as the right button; in version 3 the selection is
    // NIN_KEYSELECT, a left click ends with NIN_SELECT, and the right button
    // and the menu key with WM_CONTEXTMENU.  All of them, even where the
    // program takes the icon away half-way.  None for another version or an
    // icon not shown.
    enum class UserAction { LeftClick, RightClick, KeySelect, KeyMenu };
    std::vector<platform::MouseMove> Callbacks(Key icon, UserAction action) const;

  private:
    CallLog& log_;
};

}  // namespace fakes
