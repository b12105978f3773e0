// Long use: the hotkey held for a minute, two hundred trips to the tray and
// back.  Nothing may leak: the program's USER and GDI objects and its kernel
// handles are what they were, it still answers, and one tray icon is left.
#include "tests/e2e/Scenarios.h"

#include <psapi.h>

#include <cstdio>

namespace e2e {
namespace {

struct Resources {
    DWORD user = 0;  // reported by Windows, not by Wine (0 there)
    DWORD gdi = 0;
    DWORD handles = 0;
    std::size_t windows = 0;  // top-level and child windows of the process
    SIZE_T privateBytes = 0;
};

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<std::size_t*>(count);
    return TRUE;
}

Resources CountResources(const Program& program) {
    Resources r;
    r.user = ::GetGuiResources(program.process(), GR_USEROBJECTS);
    r.gdi = ::GetGuiResources(program.process(), GR_GDIOBJECTS);
    ::GetProcessHandleCount(program.process(), &r.handles);
    for (HWND top : TopLevelWindows(program.pid())) {
        ++r.windows;
        ::EnumChildWindows(top, CountWindow, reinterpret_cast<LPARAM>(&r.windows));
    }
    PROCESS_MEMORY_COUNTERS_EX memory{};
    ::GetProcessMemoryInfo(program.process(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof(memory));
    r.privateBytes = memory.PrivateUsage;
    return r;
}

// Equal where the system reports the count at all.
void ExpectSameCount(const char* what, DWORD before, DWORD after) {
    std::printf("%s: %lu -> %lu%s\n", what, before, after,
                before == 0 && after == 0 ? " (not reported by this system)" : "");
    EXPECT_EQ(after, before);
}

void NothingLeaksUnderLoad(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    // One trip first, so that what is made once (the tray window's side of
    // things, cached brushes) is made before counting.
    program.Click(Id::cmdMini);
    EXPECT_TRUE(WaitFor([&] { return TrayIcons().size() == 1; }));
    ::PostMessageW(TrayIcons().front(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_TRUE(WaitFor([&] { return ::IsWindowVisible(program.main()) != FALSE; }));
    Pause(300);
    const Resources before = CountResources(program);

    // The hotkey held for a minute over a window of ours: about 300 toggles.
    TargetWindow target;
    int flips = 0;
    bool last = target.Topmost();
    KeyDown(VK_F8);
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < 60000) {
        KeyDown(VK_F8);  // a held key repeats
        Pause(30);
        if (target.Topmost() != last) {
            last = !last;
            ++flips;
        }
    }
    KeyUp(VK_F8);
    std::printf("toggles in 60 s: %d\n", flips);
    EXPECT_TRUE(flips >= 200);

    // Two hundred trips to the tray and back.
    for (int trip = 0; trip < 200; ++trip) {
        program.Click(Id::cmdMini);
        EXPECT_TRUE(
            WaitFor([&] { return !::IsWindowVisible(program.main()) && TrayIcons().size() == 1; }));
        ::PostMessageW(TrayIcons().front(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
        EXPECT_TRUE(
            WaitFor([&] { return ::IsWindowVisible(program.main()) && TrayIcons().empty(); }));
    }
    Pause(300);
    const Resources after = CountResources(program);
    ExpectSameCount("USER objects", before.user, after.user);
    ExpectSameCount("GDI objects", before.gdi, after.gdi);
    ExpectSameCount("kernel handles", before.handles, after.handles);
    std::printf("windows: %zu -> %zu; private bytes: %zu -> %zu\n", before.windows, after.windows,
                static_cast<std::size_t>(before.privateBytes),
                static_cast<std::size_t>(after.privateBytes));
    EXPECT_TRUE(before.windows > 0);
    EXPECT_EQ(after.windows, before.windows);
    // Allocator noise, not a leak: a leak per toggle or per trip would be
    // hundreds of kilobytes by now.  (Wine reports no memory figures of
    // another process.)
    EXPECT_TRUE(before.privateBytes == 0 || after.privateBytes < before.privateBytes + 256 * 1024);

    DWORD_PTR ignored = 0;
    EXPECT_TRUE(::SendMessageTimeoutW(program.main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000,
                                      &ignored) != 0);
    program.Click(Id::cmdMini);
    EXPECT_TRUE(WaitFor([&] { return TrayIcons().size() == 1; }));
    program.Close();
    EXPECT_TRUE(WaitFor([] { return TrayIcons().empty(); }));
}

}  // namespace

void AddLoadScenarios(Registry& registry) {
    registry["load"] = NothingLeaksUnderLoad;
}

}  // namespace e2e
