// Long use: a minute of hotkey presses, two hundred trips to the tray and
// back.  Nothing may leak: the program's USER and GDI objects and its kernel
// handles are what they were, it still answers, and one tray icon is left.
#include "tests/e2e/Scenarios.h"

#include <psapi.h>
#include <winternl.h>

#include <cstdint>
#include <cstdio>
#include <vector>

namespace e2e {
namespace {

// Wine answers GetGuiResources and GetProcessHandleCount with 0 for every
// process, so under Wine the counts come from where Wine keeps them: kernel
// handles from the system's process list (which Windows fills too), GDI
// objects from the process's GDI handle table, which Wine keeps in the
// process's own memory and points the PEB at, as Windows does.
bool UnderWine() {
    return ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

using QuerySystemInformation = NTSTATUS(NTAPI*)(ULONG, PVOID, ULONG, PULONG);
using QueryInformationProcess = NTSTATUS(NTAPI*)(HANDLE, ULONG, PVOID, ULONG, PULONG);

template <class Fn>
Fn NtEntry(const char* name) {
    return reinterpret_cast<Fn>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), name)));
}

DWORD HandlesFromProcessList(DWORD pid) {
    constexpr ULONG kSystemProcessInformation = 5;
    const auto query = NtEntry<QuerySystemInformation>("NtQuerySystemInformation");
    std::vector<unsigned char> buffer(1 << 20);
    ULONG length = 0;
    if (!query || query(kSystemProcessInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                        &length) != 0) {
        return 0;
    }
    for (std::size_t at = 0;;) {
        const auto* entry = reinterpret_cast<const SYSTEM_PROCESS_INFORMATION*>(&buffer[at]);
        if (static_cast<DWORD>(reinterpret_cast<std::uintptr_t>(entry->UniqueProcessId)) == pid) {
            return entry->HandleCount;
        }
        if (entry->NextEntryOffset == 0) {
            return 0;
        }
        at += entry->NextEntryOffset;
    }
}

DWORD KernelHandles(HANDLE process, DWORD pid) {
    DWORD count = 0;
    ::GetProcessHandleCount(process, &count);
    return count != 0 ? count : HandlesFromProcessList(pid);
}

// Wine's GDI handle table: 65536 entries of this shape (both bitnesses).
struct WineGdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;  // 0: free
    std::uint8_t flags;
    std::uint64_t userPointer;
};
static_assert(sizeof(WineGdiHandleEntry) == 24);
constexpr std::size_t kWineGdiHandles = 0x10000;
// PEB.GdiSharedHandleTable
constexpr std::size_t kGdiTableInPeb = sizeof(void*) == 8 ? 0xF8 : 0x94;

DWORD GdiObjectsInWineTable(HANDLE process) {
    const auto query = NtEntry<QueryInformationProcess>("NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic{};
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof(basic), nullptr) != 0) {
        return 0;
    }
    void* table = nullptr;
    if (!::ReadProcessMemory(process,
                             reinterpret_cast<char*>(basic.PebBaseAddress) + kGdiTableInPeb, &table,
                             sizeof(table), nullptr) ||
        !table) {
        return 0;
    }
    std::vector<WineGdiHandleEntry> entries(kWineGdiHandles);
    if (!::ReadProcessMemory(process, table, entries.data(),
                             entries.size() * sizeof(WineGdiHandleEntry), nullptr)) {
        return 0;
    }
    DWORD used = 0;
    for (const auto& entry : entries) {
        used += entry.type != 0 ? 1 : 0;
    }
    return used;
}

DWORD GdiObjects(HANDLE process) {
    const DWORD count = ::GetGuiResources(process, GR_GDIOBJECTS);
    return count != 0 || !UnderWine() ? count : GdiObjectsInWineTable(process);
}

struct Resources {
    // Reported by Windows, not by Wine (0 there); Wine's icons and cursors
    // hold bitmaps, so a leaked icon still shows among the GDI objects.
    DWORD user = 0;
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
    r.gdi = GdiObjects(program.process());
    r.handles = KernelHandles(program.process(), program.pid());
    for (HWND top : TopLevelWindows(program.pid())) {
        ++r.windows;
        ::EnumChildWindows(top, CountWindow, reinterpret_cast<LPARAM>(&r.windows));
    }
    // PagefileUsage is the private commit, as PrivateUsage (which Wine leaves 0).
    PROCESS_MEMORY_COUNTERS memory{};
    ::GetProcessMemoryInfo(program.process(), &memory, sizeof(memory));
    r.privateBytes = memory.PagefileUsage;
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
    // And one pin, whose frame window is made at the first and kept.
    TargetWindow target;
    EXPECT_TRUE(FlipsOfOnePress(target.hwnd(), VK_F8, 100, kPollMs + kPollMs / 2) == 1);
    Pause(1500);  // its frame has come and gone
    EXPECT_TRUE(FlipsOfOnePress(target.hwnd(), VK_F8, 100, kPollMs + kPollMs / 2) == 1);
    Pause(300);
    const Resources before = CountResources(program);

    // A minute of presses over a window of ours, each held a tenth of a
    // second and let go for longer than a poll: one flip each.
    constexpr int kPressMs = 100;
    constexpr int kReleasedMs = kPollMs + kPollMs / 2;
    constexpr int kPresses = 60000 / (kPressMs + kReleasedMs);
    int once = 0;
    for (int press = 0; press < kPresses; ++press) {
        once += FlipsOfOnePress(target.hwnd(), VK_F8, kPressMs, kReleasedMs) == 1 ? 1 : 0;
    }
    std::printf("presses in a minute: %d, each one flip: %d\n", kPresses, once);
    EXPECT_EQ(once, kPresses);

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
    EXPECT_TRUE(before.gdi > 0 && before.handles > 0 && before.privateBytes > 0);
    // Allocator noise, not a leak: a leak per toggle or per trip would be
    // hundreds of kilobytes by now.
    EXPECT_TRUE(after.privateBytes < before.privateBytes + 256 * 1024);

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
