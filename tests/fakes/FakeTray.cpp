#include "tests/fakes/FakeTray.h"

#include <cstdint>
#include <string>
#include <vector>

#include "platform/TrayArea.h"
#include "platform/WindowEvents.h"

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
            trayVersions[key] = 0;
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
            trayVersions.erase(key);
            return shown;
        case platform::TrayMessage::SetVersion:
            log_.push_back("TraySetVersion " + std::to_string(record.uVersion));
            if (shell == Shell::NotReady || !shown) {
                return false;
            }
            trayVersions[key] = record.uVersion;
            return true;
    }
    return false;
}

std::vector<platform::MouseMove> FakeTray::Callbacks(Key icon, UserAction action) const {
    constexpr std::uint32_t kLButtonUp = 0x0202;
    constexpr std::uint32_t kRButtonDown = 0x0204;
    constexpr std::uint32_t kRButtonUp = 0x0205;
    using platform::nin::kKeySelect;
    using platform::nin::kSelect;
    using platform::wm::kContextMenu;
    using platform::wm::kLButtonDown;
    const auto version = trayVersions.find(icon);
    if (trayIcons.count(icon) == 0 || version == trayVersions.end()) {
        return {};
    }
    std::vector<std::uint32_t> messages;
    if (version->second == 0) {
        messages = action == UserAction::LeftClick ? std::vector{kLButtonDown, kLButtonUp}
                                                   : std::vector{kRButtonDown, kRButtonUp};
    } else if (version->second == platform::kTrayVersion2000) {
        switch (action) {
            case UserAction::LeftClick:
                messages = {kLButtonDown, kLButtonUp, kSelect};
                break;
            case UserAction::RightClick:
                messages = {kRButtonDown, kRButtonUp, kContextMenu};
                break;
            case UserAction::KeySelect:
                messages = {kKeySelect};
                break;
            case UserAction::KeyMenu:
                messages = {kContextMenu};
                break;
        }
    }
    std::vector<platform::MouseMove> callbacks;
    for (std::uint32_t message : messages) {
        platform::MouseMove callback;
        callback.wParam = icon.second;
        callback.lParam = message;
        callbacks.push_back(callback);
    }
    return callbacks;
}

}  // namespace fakes
