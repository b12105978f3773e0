// The notification area in memory: the icons it shows, and a shell that may
// not be ready yet, as at logon.
#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "platform/TrayArea.h"
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
    // The icons the shell shows, by (window, id), with the image each shows.
    std::map<std::pair<platform::Handle, std::uint32_t>, platform::IconHandle> trayIcons;

    bool ShellNotifyIcon(platform::TrayMessage message,
                         const platform::TrayRecord& record) override;

  private:
    CallLog& log_;
};

}  // namespace fakes
