// The file we ship, the 32-bit release, run end to end.  Where the suite runs
// the 64-bit build (a kernel without IA-32 emulation), the 32-bit program
// starts through qemu's user-mode emulation, which makes its start take a
// minute or two; once up it runs at a usable speed.  One start covers the
// window, the pin toggle, a tray trip and the close's save.
#include <cstdio>

#include "tests/e2e/Scenarios.h"

namespace e2e {
namespace {

// Set by the test script: native, emulated or none.
std::wstring HowI386Runs() {
    wchar_t value[32] = {};
    ::GetEnvironmentVariableW(L"ORVANE_I386", value, 32);
    return value;
}

// Holds the key with the driver's window in front.  An emulated program
// handles the window manager's focus for its own window seconds late, and so
// takes the foreground back after the driver's window got it: the driver
// puts its window back in front whenever that happens.
bool HoldKeyOver(TargetWindow& target, WORD vk, const std::function<bool()>& done) {
    constexpr int kTimeoutMs = 20000;
    return HoldKeyUntil(
        vk,
        [&] {
            if (::GetForegroundWindow() != target.hwnd()) {
                ::SetForegroundWindow(target.hwnd());
            }
            return done();
        },
        kTimeoutMs);
}

void ReleaseEndToEnd(const Paths& paths) {
    if (HowI386Runs() == L"none") {
        std::printf("skipped: this machine can't run 32-bit code\n");
        throw Skipped();
    }
    constexpr int kEmulatedStartMs = 300000;
    ::DeleteFileW(kConfigPath);
    Program program(paths.product, /*waitVisible=*/true, /*showCommand=*/-1, kEmulatedStartMs);
    std::printf("32-bit release (%ls): start to visible window %d ms\n", HowI386Runs().c_str(),
                program.startMilliseconds);
    EXPECT_EQ(Text(program.main()), std::wstring(L"Orvane窗口置顶工具 V2.0"));
    EXPECT_EQ(ClientSize(program.main()).cx, 306L);
    EXPECT_EQ(ClientSize(program.main()).cy, 89L);

    TargetWindow target;
    EXPECT_TRUE(HoldKeyOver(target, VK_F8, [&] { return target.Topmost(); }));
    Pause(kNextPollMs);
    target.BringToFront();
    EXPECT_TRUE(HoldKeyOver(target, VK_F8, [&] { return !target.Topmost(); }));

    program.Click(Id::cmdMini);
    EXPECT_TRUE(WaitFor([&] { return InTray(program); }, 10000));
    PostToIcon(TrayIcons().front(), WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitFor([&] { return Shown(program); }, 10000));
    EXPECT_TRUE(WaitFor([] { return TrayIcons().empty(); }, 10000));

    program.Close();
    EXPECT_EQ(ReadFileBytes(kConfigPath), std::string(" 119 \r\n 0 \r\n"));
}

}  // namespace

void AddReleaseScenarios(Registry& registry) {
    registry["release_32bit"] = ReleaseEndToEnd;
}

}  // namespace e2e
