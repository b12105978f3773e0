// Which of the tray icon's callbacks bring the window back, and when a
// failed add is tried again.
#include "tray/TrayIcon.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using tray::kKeySelect;
using tray::kLButtonDown;
// The other events a callback may carry, as the window system numbers them.
constexpr std::uintptr_t kMouseMove = 0x0200;
constexpr std::uintptr_t kLButtonUp = 0x0202;
constexpr std::uintptr_t kRButtonDown = 0x0204;
constexpr std::uintptr_t kContextMenu = 0x007B;  // the right button's click, or the menu key
constexpr std::uintptr_t kSelect = 0x0400;       // after the left button's click

// The left button going down and the keyboard's selection restore; nothing
// else does, and no callback of another icon.
TEST(TrayCallback, OnlyTheLeftButtonAndTheKeyboardRestore) {
    const struct {
        const char* what;
        std::uintptr_t iconId;
        std::uintptr_t event;
        bool restores;
    } rows[] = {
        {"left button down", tray::kIconId, kLButtonDown, true},
        {"keyboard's selection", tray::kIconId, kKeySelect, true},
        {"left button up", tray::kIconId, kLButtonUp, false},
        {"selection after the click", tray::kIconId, kSelect, false},
        {"right button", tray::kIconId, kRButtonDown, false},
        {"menu key", tray::kIconId, kContextMenu, false},
        {"pointer moving over it", tray::kIconId, kMouseMove, false},
        {"another icon's left button", tray::kIconId + 1, kLButtonDown, false},
        {"no icon's", 0, kKeySelect, false},
        // Version 4 puts the icon's id in the high word: the event still reads.
        {"left button, an id above", tray::kIconId, (std::uintptr_t{1} << 16) | kLButtonDown, true},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(tray::IsRestoreRequest(row.iconId, row.event), row.restores) << row.what;
    }
}

// Ticks of the poll's timer until a retry is due, for each of the first
// tries: a second apart, never at the next tick; a timer slower than a
// second tries at each tick.
TEST(TrayAddRetry, OnceASecondUntilStopped) {
    const struct {
        unsigned tickMilliseconds;
        const char* dueTicks;  // x where a try is due, over 12 ticks after a failed add
    } rows[] = {
        {200, "....x....x.."},
        {250, "...x...x...x"},
        {1000, "xxxxxxxxxxxx"},
        {1500, "xxxxxxxxxxxx"},
    };
    for (const auto& row : rows) {
        tray::AddRetry retry(row.tickMilliseconds);
        retry.AfterAdd(false);
        std::string due;
        for (int tick = 0; tick < 12; ++tick) {
            due += retry.Due() ? 'x' : '.';
        }
        EXPECT_EQ(due, row.dueTicks) << row.tickMilliseconds << " ms";
    }
}

TEST(TrayAddRetry, NothingAfterAnAddThatWorkedOrAStop) {
    tray::AddRetry added(200);
    added.AfterAdd(true);
    tray::AddRetry stopped(200);
    stopped.AfterAdd(false);
    stopped.Stop();
    for (int tick = 0; tick < 20; ++tick) {
        EXPECT_FALSE(added.Due());
        EXPECT_FALSE(stopped.Due());
    }
}

}  // namespace
