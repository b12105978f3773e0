// Which main window a second start asks to show itself.
#include "platform/RunningInstance.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace {

using platform::Handle;
using platform::MainWindowFound;

// The windows of the program's class as a search finds them, the newest
// (the highest in the z-order) first.  A runs and marked its window; B and
// C are two second starts at once, each with its window made and the lock
// found taken.
constexpr Handle kA = 0xA0;
constexpr Handle kB = 0xB0;
constexpr Handle kC = 0xC0;

TEST(RunningInstanceTest, TheMarkedWindowNotTheNewest) {
    const struct {
        const char* what;
        std::vector<MainWindowFound> found;
        Handle own;
        std::optional<Handle> asked;
    } rows[] = {
        {"B, with C's window above its own", {{kC, false}, {kB, false}, {kA, true}}, kB, kA},
        {"C, its own window the newest", {{kC, false}, {kB, false}, {kA, true}}, kC, kA},
        {"one second start", {{kB, false}, {kA, true}}, kB, kA},
        {"A shown and activated, so above both", {{kA, true}, {kC, false}, {kB, false}}, kB, kA},
        // The running one closing (its mark gone) or not yet marked: no
        // other start is asked in its stead, even the only other window.
        {"nothing marked", {{kC, false}, {kB, false}}, kB, std::nullopt},
        {"no window of the class", {}, kB, std::nullopt},
        {"its own window, were it marked", {{kB, true}}, kB, std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(platform::RunningInstanceWindow(row.found, row.own), row.asked) << row.what;
    }
}

// Low 0x1000, standard 0x2000, UIAccess 0x2100, administrator 0x3000, system 0x4000.
TEST(RunningInstanceTest, AnAdministratorsStartTellsOfAStandardRun) {
    constexpr std::optional<std::uint32_t> kUnread;
    const struct {
        std::optional<std::uint32_t> ours, running;
        bool tell = false;
    } rows[] = {
        {0x3000, 0x2000, true},  {0x3000, 0x2100, true},   {0x4000, 0x1000, true},
        {0x3000, 0x3000, false}, {0x2000, 0x2000, false},  {0x2000, 0x3000, false},
        {0x2100, 0x1000, false}, {0x3000, kUnread, false}, {kUnread, 0x2000, false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(platform::TellStandardRunIsRunning(row.ours, row.running), row.tell)
            << std::hex << row.ours.value_or(0) << " over " << row.running.value_or(0);
    }
}

}  // namespace
