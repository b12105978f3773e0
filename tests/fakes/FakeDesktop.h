// The desktop in memory: keys the test holds down, a foreground window, and
// extended styles whose topmost bit follows SetWindowPos.
#pragma once

#include <map>
#include <set>
#include <string>

#include "platform/Desktop.h"
#include "tests/fakes/CallLog.h"

namespace fakes {

class FakeDesktop final : public platform::Desktop {
  public:
    explicit FakeDesktop(CallLog& log) : log_(log) {}

    std::set<int> keysDown;
    // Keys that went down since the last look, held or not (the low bit): a
    // look takes the bit, as it does from every program.
    std::set<int> keysPressedSince;
    platform::Handle foreground = 0;
    // Windows the keyboard can't be read over (an administrator's, seen from
    // a standard run), and another desktop taking the input (the lock screen,
    // a UAC prompt; nothing is in front for this program then): a read of
    // the key state fails as Windows' does, it says 0 and leaves the "pressed
    // since" bit where it was.
    std::set<platform::Handle> unreadableWindows;
    bool anotherDesktopHasTheInput = false;
    // Windows whose program can't be asked: KeysReadableOver says no, and
    // yet the keyboard can be read over them.
    std::set<platform::Handle> unaskableWindows;
    // The windows there are; SetWindowPos fails for any other.
    std::map<platform::Handle, std::uint32_t> exStyles;
    // Class names of windows that have one worth telling.
    std::map<platform::Handle, std::string> classNames;
    platform::Handle shellWindow = 0;
    platform::Handle desktopWindow = 0;
    // Windows of the program's own thread; every other window there is
    // belongs to another.
    std::set<platform::Handle> ownThreadWindows;
    platform::NotificationState notificationState =
        platform::NotificationState::AcceptsNotifications;

    std::int16_t GetAsyncKeyState(std::int32_t key) override;
    platform::Handle GetForegroundWindow() override;
    bool KeysReadableOver(platform::Handle window) override;
    std::uint32_t GetExtendedStyle(platform::Handle window) override;
    bool SetWindowPos(platform::Handle window, platform::InsertAfter where,
                      std::uint32_t flags) override;
    std::string ClassName(platform::Handle window) override;
    platform::Handle ShellWindow() override { return shellWindow; }
    platform::Handle DesktopWindow() override { return desktopWindow; }
    bool OnAnotherThread(platform::Handle window) override;
    platform::NotificationState UserNotificationState() override;

  private:
    bool ReadsFail() const;

    CallLog& log_;
};

}  // namespace fakes
