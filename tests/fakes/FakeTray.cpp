#include "tests/fakes/FakeTray.h"

namespace fakes {

bool FakeTray::ShellNotifyIcon(platform::TrayMessage message, const platform::TrayRecord& record) {
    const std::pair<platform::Handle, std::uint32_t> key{record.hWnd, record.uID};
    const bool shown = trayIcons.count(key) != 0;
    switch (message) {
        case platform::TrayMessage::Add:
            log_.push_back("TrayAdd");
            trayAdds.push_back(record);
            if (shell == Shell::NotReady || shown) {
                return false;
            }
            trayIcons[key] = record.hIcon;
            return shell == Shell::Ready;
        case platform::TrayMessage::Modify:
            log_.push_back("TrayModify");
            if (shell == Shell::NotReady || !shown) {
                return false;
            }
            trayIcons[key] = record.hIcon;
            return true;
        case platform::TrayMessage::Delete:
            log_.push_back("TrayDelete");
            trayDeletes.push_back(record);
            trayIcons.erase(key);
            return shown;
    }
    return false;
}

}  // namespace fakes
