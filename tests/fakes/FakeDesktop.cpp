#include "tests/fakes/FakeDesktop.h"

namespace fakes {
namespace {

constexpr std::int16_t kKeyDown = static_cast<std::int16_t>(0x8000);
constexpr std::int16_t kPressedSinceLastCall = 0x0001;

}  // namespace

bool FakeDesktop::ReadsFail() const {
    return anotherDesktopHasTheInput || unreadableWindows.count(foreground) != 0;
}

std::int16_t FakeDesktop::GetAsyncKeyState(std::int32_t key) {
    log_.push_back("GetAsyncKeyState " + std::to_string(key));
    if (ReadsFail()) {
        return 0;  // and the bit stays for the next read that works
    }
    const std::int16_t down = keysDown.count(key) ? kKeyDown : std::int16_t{0};
    const std::int16_t pressed =
        keysPressedSince.erase(key) ? kPressedSinceLastCall : std::int16_t{0};
    return static_cast<std::int16_t>(down | pressed);
}

platform::Handle FakeDesktop::GetForegroundWindow() {
    log_.push_back("GetForegroundWindow");
    return foreground;
}

bool FakeDesktop::KeysReadableOver(platform::Handle window) {
    log_.push_back("KeysReadableOver " + Hex(window));
    return !anotherDesktopHasTheInput && unreadableWindows.count(window) == 0 &&
           unaskableWindows.count(window) == 0;
}

std::uint32_t FakeDesktop::GetExtendedStyle(platform::Handle window) {
    log_.push_back("GetExtendedStyle " + Hex(window));
    const auto it = exStyles.find(window);
    return it == exStyles.end() ? 0 : it->second;
}

bool FakeDesktop::SetWindowPos(platform::Handle window, platform::InsertAfter where,
                               std::uint32_t flags) {
    log_.push_back("SetWindowPos " + Hex(window) + " " + std::to_string(static_cast<int>(where)) +
                   " flags " + Hex(flags));
    const auto it = exStyles.find(window);
    if (it == exStyles.end()) {
        return false;  // no such window
    }
    if (where == platform::InsertAfter::Topmost) {
        it->second |= platform::kExStyleTopmost;
    } else {
        it->second &= ~platform::kExStyleTopmost;
    }
    return true;
}

std::string FakeDesktop::ClassName(platform::Handle window) {
    const auto it = classNames.find(window);
    return it == classNames.end() ? std::string() : it->second;
}

bool FakeDesktop::OnAnotherThread(platform::Handle window) {
    return exStyles.count(window) != 0 && ownThreadWindows.count(window) == 0;
}

platform::NotificationState FakeDesktop::UserNotificationState() {
    log_.push_back("UserNotificationState");
    return notificationState;
}

}  // namespace fakes
