// Where Windows users live: the shell's own windows in front, and a busy
// window.  The hotkey leaves the one alone and never waits for the other.
#include <chrono>

#include "tests/e2e/Scenarios.h"

namespace e2e {
namespace {

// A top-level window of the driver's, of a class the shell's windows have.
HWND StandIn(const wchar_t* className, bool topmost) {
    DriverClass(className, ::DefWindowProcW, COLOR_DESKTOP);
    HWND hwnd =
        ::CreateWindowExW(topmost ? WS_EX_TOPMOST : 0, className, className, WS_OVERLAPPEDWINDOW,
                          50, 50, 320, 160, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::ShowWindow(hwnd, SW_SHOWNORMAL);
    ::SetForegroundWindow(hwnd);
    EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == hwnd; }));
    return hwnd;
}

// The desktop, the taskbars (topmost, as they are), Start, task view, the
// hidden icons, Alt+Tab and the input-method switcher in front with the
// hotkey held for several polls: none changes.
void ShellWindowsAreLeftAlone(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    const struct {
        const wchar_t* className;
        bool topmost;
    } shellWindows[] = {
        {L"Progman", false},
        {L"WorkerW", false},
        {L"Shell_TrayWnd", true},
        {L"Shell_SecondaryTrayWnd", true},
        {L"Windows.UI.Core.CoreWindow", true},
        {L"MultitaskingViewFrame", false},
        {L"XamlExplorerHostIslandWindow", true},
        {L"NotifyIconOverflowWindow", true},
        {L"TopLevelWindowForOverflowXamlIsland", true},
        {L"TaskSwitcherWnd", true},
        {L"ForegroundStaging", true},
        {L"Shell_InputSwitchTopLevelWindow", true},
    };
    std::wstring changed;
    for (const auto& shell : shellWindows) {
        HWND hwnd = StandIn(shell.className, shell.topmost);
        // Watched all along: an even number of flips would end where it began.
        const auto flipped = [&] { return Topmost(hwnd) != shell.topmost; };
        if (HoldKeyUntil(VK_F8, flipped, kThreePollsMs)) {
            changed += std::wstring(shell.className) + L" ";
        }
        ::DestroyWindow(hwnd);
    }
    EXPECT_EQ(changed, std::wstring());
    // The key was seen: an ordinary window in the same run is pinned.
    TargetWindow target;
    EXPECT_TRUE(HoldKeyUntil(VK_F8, [&] { return target.Topmost(); }));
}

// A window of a thread of its own that goes to sleep for a while once it is
// in front, then answers again until it is closed.
struct Sleeper {
    static constexpr DWORD kBusyMs = 3000;
    HWND hwnd = nullptr;
    HANDLE inFront = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);

    static DWORD WINAPI Run(void* self) {
        auto& sleeper = *static_cast<Sleeper*>(self);
        sleeper.hwnd = ::CreateWindowExW(0, L"Static", L"busy", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                         50, 50, 320, 160, nullptr, nullptr, nullptr, nullptr);
        ::SetForegroundWindow(sleeper.hwnd);
        WaitFor([&] { return ::GetForegroundWindow() == sleeper.hwnd; });
        ::SetEvent(sleeper.inFront);
        ::Sleep(kBusyMs);
        MSG msg;
        while (::IsWindow(sleeper.hwnd) && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
            ::DispatchMessageW(&msg);
        }
        return 0;
    }
};

// The busy window in front while the hotkey is held: the program keeps
// answering meanwhile, and the window is pinned once its thread is back.
void BusyWindowIsPinnedOnceItAnswers(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    Sleeper sleeper;
    HANDLE thread = ::CreateThread(nullptr, 0, Sleeper::Run, &sleeper, 0, nullptr);
    EXPECT_TRUE(::WaitForSingleObject(sleeper.inFront, 5000) == WAIT_OBJECT_0);
    const auto asleep = std::chrono::steady_clock::now();
    const auto pinnedAlready = [&] { return Topmost(sleeper.hwnd); };
    HoldKeyUntil(VK_F8, pinnedAlready, kThreePollsMs);
    DWORD_PTR ignored = 0;
    const bool answered =
        ::SendMessageTimeoutW(program.main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored) != 0;
    const auto answeredAfter = std::chrono::steady_clock::now() - asleep;
    const bool pinned = WaitFor([&] { return Topmost(sleeper.hwnd); }, Sleeper::kBusyMs + 3000);
    ::PostMessageW(sleeper.hwnd, WM_CLOSE, 0, 0);
    ::WaitForSingleObject(thread, 10000);
    ::CloseHandle(thread);
    ::CloseHandle(sleeper.inFront);
    EXPECT_TRUE(answered);
    EXPECT_TRUE(answeredAfter < std::chrono::milliseconds(Sleeper::kBusyMs));  // still asleep
    EXPECT_TRUE(pinned);
    EXPECT_TRUE(program.Running());
}

}  // namespace

void AddShellScenarios(Registry& registry) {
    registry["shell_windows_left_alone"] = ShellWindowsAreLeftAlone;
    registry["busy_window"] = BusyWindowIsPinnedOnceItAnswers;
}

}  // namespace e2e
