// Bad settings files and uncooperative windows: the program starts with sound
// values, keeps working, and never leaves a half-written settings file.
#include <random>

#include "tests/e2e/Scenarios.h"

namespace e2e {
namespace {

constexpr const wchar_t* kTempBeside = L"C:\\TopConfig.ini.new";

bool Exists(const wchar_t* path) {
    return ::GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

// A bad file can make the start slow or wrong, never crash it: the window
// comes up, answers, and closes with exit code 0.
void StartsAndClosesCleanly(const Paths& paths, const std::wstring& expectedKeyName) {
    Program program(paths.program);
    EXPECT_TRUE(program.startMilliseconds < 5000);
    EXPECT_EQ(Text(program.Control(Id::Text1)), expectedKeyName);
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(::SendMessageTimeoutW(program.main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000,
                                      &ignored) != 0);
    program.Close();
    DWORD code = 1;
    ::GetExitCodeProcess(program.process(), &code);
    EXPECT_EQ(code, 0UL);
    EXPECT_TRUE(!Exists(kTempBeside));
}

void FolderAtTheSettingsPath(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    EXPECT_TRUE(::CreateDirectoryW(kConfigPath, nullptr) != FALSE);
    StartsAndClosesCleanly(paths, L"F8");
    const DWORD attributes = ::GetFileAttributesW(kConfigPath);
    ::RemoveDirectoryW(kConfigPath);
    EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY));
}

// A change that can't be saved is told once, in the application's message
// box naming the file; the next is not, nor is the close.
void SaveThatCannotLand(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    EXPECT_TRUE(::CreateDirectoryW(kConfigPath, nullptr) != FALSE);
    bool namesTheFile = false;
    bool secondTold = true;
    {
        Program program(paths.program);
        const auto messageBox = [&] {
            const auto boxes = TopLevelWindows(program.pid(), L"#32770");
            return boxes.empty() ? nullptr : boxes.front();
        };
        ::PostMessageW(program.Control(Id::CbAuto), BM_CLICK, 0, 0);
        HWND box = nullptr;
        WaitFor([&] {
            box = messageBox();
            return box && ::IsWindowVisible(box);
        });
        for (HWND label : ChildWindows(box, L"Static")) {
            namesTheFile =
                namesTheFile || Text(label).find(L"C:\\TopConfig.ini") != std::wstring::npos;
        }
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        WaitFor([&] { return !::IsWindow(box); });
        ::PostMessageW(program.Control(Id::CbAuto), BM_CLICK, 0, 0);
        secondTold = WaitFor([&] { return messageBox() != nullptr; }, 1000);
        program.Close();  // and no message holds the close up
    }
    ::RemoveDirectoryW(kConfigPath);
    EXPECT_TRUE(namesTheFile);
    EXPECT_TRUE(!secondTold);
}

void LockedSettingsFile(const Paths& paths) {
    const std::string stored = " 65 \r\n 1 \r\n";
    EXPECT_TRUE(WriteFileBytes(kConfigPath, stored));
    // Held open by another program that shares it with nobody.
    HANDLE lock = ::CreateFileW(kConfigPath, GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    EXPECT_TRUE(lock != INVALID_HANDLE_VALUE);
    // It exists but can't be read: F8 and no tray, and the start goes on.
    StartsAndClosesCleanly(paths, L"F8");
    ::CloseHandle(lock);
    EXPECT_EQ(ReadFileBytes(kConfigPath), stored);
}

// Held open by another program that lets others read and write but not
// delete (a virus scanner, an indexer): the save can't replace the file, and
// lands all the same.
void HeldSettingsFile(const Paths& paths) {
    EXPECT_TRUE(WriteFileBytes(kConfigPath, " 119 \r\n 0 \r\n"));
    Program program(paths.program);
    HANDLE held =
        ::CreateFileW(kConfigPath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                      nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_TRUE(held != INVALID_HANDLE_VALUE);
    ::SendMessageW(program.Control(Id::CbAuto), BM_CLICK, 0, 0);
    const bool landed = WaitFor([] { return ReadFileBytes(kConfigPath) == " 119 \r\n 1 \r\n"; });
    const bool leftBehind = Exists(kTempBeside);
    ::CloseHandle(held);
    EXPECT_TRUE(landed);
    EXPECT_TRUE(!leftBehind);
}

void ReadOnlySettingsFile(const Paths& paths) {
    const std::string stored = " 65 \r\n 0 \r\n";
    ::SetFileAttributesW(kConfigPath, FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(WriteFileBytes(kConfigPath, stored));
    ::SetFileAttributesW(kConfigPath, FILE_ATTRIBUTE_READONLY);
    StartsAndClosesCleanly(paths, L"A");
    const std::string after = ReadFileBytes(kConfigPath);
    ::SetFileAttributesW(kConfigPath, FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(after, stored);
}

void HiddenSettingsFile(const Paths& paths) {
    const std::string stored = " 65 \r\n 0 \r\n";
    ::SetFileAttributesW(kConfigPath, FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(WriteFileBytes(kConfigPath, stored));
    ::SetFileAttributesW(kConfigPath, FILE_ATTRIBUTE_HIDDEN);
    StartsAndClosesCleanly(paths, L"F8");  // a hidden file counts as missing
    const std::string after = ReadFileBytes(kConfigPath);
    ::SetFileAttributesW(kConfigPath, FILE_ATTRIBUTE_NORMAL);
    // The save either replaced it whole or left it alone.
    EXPECT_TRUE(after == " 119 \r\n 0 \r\n" || after == stored);
}

void TenMegabytesOfNoise(const Paths& paths) {
    std::mt19937 random(20261207);
    std::string noise(10 * 1024 * 1024, '\0');
    for (char& c : noise) {
        c = static_cast<char>(random());
    }
    noise.replace(0, 4, "66\r\n");  // whatever follows, the first line is 66
    EXPECT_TRUE(WriteFileBytes(kConfigPath, noise));
    StartsAndClosesCleanly(paths, L"B");
    EXPECT_EQ(ReadFileBytes(kConfigPath).substr(0, 6), std::string(" 66 \r\n"));
    EXPECT_TRUE(ReadFileBytes(kConfigPath).size() <= std::size_t{12});
}

void AMillionDigits(const Paths& paths) {
    EXPECT_TRUE(WriteFileBytes(kConfigPath, std::string(1000000, '9')));
    // Far too large for a key code: the hotkey stays 0, whose name is empty.
    StartsAndClosesCleanly(paths, L"");
    EXPECT_EQ(ReadFileBytes(kConfigPath), std::string(" 0 \r\n 0 \r\n"));
}

void NulBytes(const Paths& paths) {
    const char bytes[] =
        "65\0"
        "7\r\n0\0"
        "1\r\n";
    EXPECT_TRUE(WriteFileBytes(kConfigPath, std::string(bytes, sizeof(bytes) - 1)));
    StartsAndClosesCleanly(paths, L"A");  // each number ends at its NUL
    EXPECT_EQ(ReadFileBytes(kConfigPath), std::string(" 65 \r\n 0 \r\n"));
}

// No message box, no window shown: the program's visible top-level windows.
std::size_t VisibleWindowsOf(const Program& program) {
    std::size_t visible = 0;
    for (HWND hwnd : TopLevelWindows(program.pid())) {
        visible += ::IsWindowVisible(hwnd) ? 1 : 0;
    }
    return visible;
}

// A window that turns every z-order change down.
LRESULT CALLBACK StubbornProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING) {
        reinterpret_cast<WINDOWPOS*>(lParam)->flags |= SWP_NOZORDER;
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void WindowThatRefusesToBePinned(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    HWND stubborn = ::CreateWindowExW(0, DriverClass(L"OrvaneE2EStubborn", StubbornProc),
                                      L"stubborn", WS_OVERLAPPEDWINDOW, 60, 60, 200, 120, nullptr,
                                      nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::ShowWindow(stubborn, SW_SHOWNORMAL);
    ::SetForegroundWindow(stubborn);
    EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == stubborn; }));
    HoldKeyFor(VK_F8, kThreePollsMs);
    EXPECT_TRUE(!Topmost(stubborn));
    EXPECT_TRUE(program.Running());
    EXPECT_EQ(VisibleWindowsOf(program), std::size_t{1});
    ::DestroyWindow(stubborn);

    // The next tick over an ordinary window works.
    TargetWindow target;
    EXPECT_TRUE(HoldKeyUntil(VK_F8, [&] { return target.Topmost(); }));
}

// Foreground windows that vanish while the hotkey is held: some between the
// poll and the toggle, some leaving no foreground window at all.
void ForegroundWindowsThatVanish(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    for (int round = 0; round < 20; ++round) {
        HWND gone =
            ::CreateWindowExW(0, L"Static", L"gone", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 80, 80, 160,
                              90, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SetForegroundWindow(gone);
        // Held (repeating) across the window's end, at a different point of
        // the poll each round.
        const DWORD destroyAt = ::GetTickCount() + static_cast<DWORD>(kPollMs * (round % 12) / 12);
        while (::GetTickCount() < destroyAt) {
            KeyDown(VK_F8);
            Pause(15);
        }
        ::DestroyWindow(gone);
        for (int repeat = 0; repeat < 4; ++repeat) {
            KeyDown(VK_F8);
            Pause(30);
        }
        KeyUp(VK_F8);
    }
    Pause(kNextPollMs);  // let go long enough for a new press to follow
    EXPECT_TRUE(program.Running());
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(::SendMessageTimeoutW(program.main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000,
                                      &ignored) != 0);
    // And the next press over a window that stays works.
    TargetWindow target;
    EXPECT_TRUE(HoldKeyUntil(VK_F8, [&] { return target.Topmost(); }));
}

// A window that ends itself the moment a z-order change reaches it: the
// program's poll saw it alive, its toggle finds it gone.
LRESULT CALLBACK ShortLivedProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_WINDOWPOSCHANGING &&
        (reinterpret_cast<const WINDOWPOS*>(lParam)->flags & SWP_NOZORDER) == 0 &&
        ::GetPropW(hwnd, L"armed")) {
        ::RemovePropW(hwnd, L"armed");
        ::DestroyWindow(hwnd);
        return 0;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

void WindowsDestroyedByTheToggle(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    const wchar_t* shortLived = DriverClass(L"OrvaneE2EShortLived", ShortLivedProc);
    // Not topmost, the pin destroys it; topmost, the un-pin does.
    for (const bool startTopmost : {false, true}) {
        HWND hwnd = ::CreateWindowExW(startTopmost ? WS_EX_TOPMOST : 0, shortLived, L"short-lived",
                                      WS_OVERLAPPEDWINDOW, 70, 70, 200, 120, nullptr, nullptr,
                                      ::GetModuleHandleW(nullptr), nullptr);
        ::ShowWindow(hwnd, SW_SHOWNORMAL);
        ::SetForegroundWindow(hwnd);
        EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == hwnd; }));
        EXPECT_EQ(Topmost(hwnd), startTopmost);
        ::SetPropW(hwnd, L"armed", reinterpret_cast<HANDLE>(1));
        const auto destroyed = [&] { return !::IsWindow(hwnd); };
        EXPECT_TRUE(HoldKeyUntil(VK_F8, destroyed, 3000));
        Pause(kPollMs + kNextPollMs);  // two more polls
        EXPECT_TRUE(program.Running());
        EXPECT_EQ(VisibleWindowsOf(program), std::size_t{1});
    }
    // The next tick over an ordinary window works.
    TargetWindow target;
    EXPECT_TRUE(HoldKeyUntil(VK_F8, [&] { return target.Topmost(); }));
}

// With the program in the tray, the end of the only other window leaves no
// foreground window at all; then the desktop window itself in front.
void NoForegroundWindow(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    program.Click(Id::cmdMini);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindowVisible(program.main()); }));

    HWND last = ::CreateWindowExW(0, L"Static", L"last", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 80, 80,
                                  160, 90, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetForegroundWindow(last);
    EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == last; }));
    // Wine's stand-in tray is a window too and would take the activation.
    const std::vector<HWND> trayWindows = TrayWindows();
    for (HWND tray : trayWindows) {
        ::ShowWindow(tray, SW_HIDE);
    }
    ::DestroyWindow(last);
    EXPECT_TRUE(WaitFor([] { return ::GetForegroundWindow() == nullptr; }));
    HoldKeyFor(VK_F8, kThreePollsMs);  // with nothing in front
    EXPECT_TRUE(::GetForegroundWindow() == nullptr);

    HWND minimised =
        ::CreateWindowExW(0, L"Static", L"minimised", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 80, 80, 160,
                          90, nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::SetForegroundWindow(minimised);
    EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == minimised; }));
    ::ShowWindow(minimised, SW_MINIMIZE);
    ::SetForegroundWindow(::GetDesktopWindow());
    EXPECT_TRUE(WaitFor([] { return ::GetForegroundWindow() == ::GetDesktopWindow(); }));
    HoldKeyFor(VK_F8, kThreePollsMs);
    EXPECT_TRUE(!Topmost(::GetDesktopWindow()));
    ::DestroyWindow(minimised);
    for (HWND tray : trayWindows) {
        ::ShowWindow(tray, SW_SHOWNA);
    }

    EXPECT_TRUE(program.Running());
    EXPECT_EQ(VisibleWindowsOf(program), std::size_t{0});  // no message, still in the tray
    EXPECT_EQ(TrayIcons().size(), std::size_t{1});
    TargetWindow target;
    EXPECT_TRUE(HoldKeyUntil(VK_F8, [&] { return target.Topmost(); }));
    EXPECT_TRUE(!::IsWindowVisible(program.main()));
}

}  // namespace

void AddRobustnessScenarios(Registry& registry) {
    registry["settings_folder"] = FolderAtTheSettingsPath;
    registry["settings_locked"] = LockedSettingsFile;
    registry["settings_save_fails"] = SaveThatCannotLand;
    registry["settings_read_only"] = ReadOnlySettingsFile;
    registry["settings_held_open"] = HeldSettingsFile;
    registry["settings_hidden"] = HiddenSettingsFile;
    registry["settings_noise"] = TenMegabytesOfNoise;
    registry["settings_million_digits"] = AMillionDigits;
    registry["settings_nul_bytes"] = NulBytes;
    registry["refusing_window"] = WindowThatRefusesToBePinned;
    registry["vanishing_window"] = ForegroundWindowsThatVanish;
    registry["destroyed_by_toggle"] = WindowsDestroyedByTheToggle;
    registry["no_foreground_window"] = NoForegroundWindow;
}

}  // namespace e2e
