// Presses of the hotkey as people make them, each at a moment of its own
// against the program's poll: every one flips the window exactly once.
#include <cstdio>
#include <random>
#include <string>

#include "tests/e2e/Scenarios.h"

namespace e2e {
namespace {

struct PressKind {
    const char* name;
    int count;
    int shortestMs;
    int longestMs;
};

// Moments at random against the poll; a scenario prints the seed with its
// result.
struct RandomMoments {
    unsigned seed = ::GetTickCount();
    std::mt19937 random{seed};
    int PhaseMs() { return std::uniform_int_distribution<int>(0, kPollMs - 1)(random); }
    int LengthMs(int shortestMs, int longestMs) {
        return std::uniform_int_distribution<int>(shortestMs, longestMs)(random);
    }
};

// Long enough after the release for a second flip to have shown: the tick
// after the release, and one more.
constexpr int kSettleMs = 2 * kPollMs;

void EachPressFlipsOnce(const Paths& paths, const PressKind& kind) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    TargetWindow target;
    RandomMoments moments;
    std::string failures;
    for (int press = 0; press < kind.count; ++press) {
        if (::GetForegroundWindow() != target.hwnd()) {
            target.BringToFront();
        }
        const int waitMs = moments.PhaseMs();
        const int holdMs = moments.LengthMs(kind.shortestMs, kind.longestMs);
        Pause(waitMs);
        const int flips = FlipsOfOnePress(target.hwnd(), VK_F8, holdMs, kSettleMs);
        if (flips != 1) {
            failures += " #" + std::to_string(press) + " (" + std::to_string(holdMs) +
                        " ms after " + std::to_string(waitMs) + " ms): " + std::to_string(flips) +
                        " flips;";
        }
    }
    std::printf("%d %s of %d-%d ms (seed %u)%s\n", kind.count, kind.name, kind.shortestMs,
                kind.longestMs, moments.seed,
                failures.empty() ? ", each one flip" : failures.c_str());
    EXPECT_EQ(failures, std::string());
}

// The common case after a switch: a click into another window and a tap of
// the key at once, most often before the next poll.  That poll believes the
// quiet reads made over the window before only where the keyboard could be
// read over it, which is asked of each window as it comes to the front: here
// a new one each time, over which no read has yet said anything.
void TapsRightAfterASwitch(const Paths& paths) {
    constexpr int kRounds = 16;
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    TargetWindow target;
    RandomMoments moments;
    std::string failures;
    for (int round = 0; round < kRounds; ++round) {
        const TargetWindow before;  // in front from its start
        // A poll or more reads the key up over it.
        const int waitMs = kNextPollMs + moments.PhaseMs();
        Pause(waitMs);
        target.BringToFront();
        const int holdMs = moments.LengthMs(40, 120);
        const int flips = FlipsOfOnePress(target.hwnd(), VK_F8, holdMs, kSettleMs);
        if (flips != 1 || before.Topmost()) {
            failures += " #" + std::to_string(round) + " (" + std::to_string(holdMs) + " ms, " +
                        std::to_string(waitMs) +
                        " ms after the window before came): " + std::to_string(flips) + " flips;";
        }
    }
    std::printf("%d taps right after a switch of windows (seed %u)%s\n", kRounds, moments.seed,
                failures.empty() ? ", each one flip" : failures.c_str());
    EXPECT_EQ(failures, std::string());
}

}  // namespace

void AddPressScenarios(Registry& registry) {
    // An ordinary keystroke lasts about a tenth of a second, most of them
    // shorter than the poll.
    registry["pin_taps"] = [](const Paths& paths) {
        EachPressFlipsOnce(paths, {"taps", 24, 40, 120});
    };
    // A deliberate press, held through several polls and the keyboard's repeat.
    registry["pin_presses"] = [](const Paths& paths) {
        EachPressFlipsOnce(paths, {"presses", 12, 300, 1200});
    };
    registry["pin_taps_after_switch"] = TapsRightAfterASwitch;
}

}  // namespace e2e
