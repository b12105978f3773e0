#include "tests/e2e/Driver.h"

#include <chrono>
#include <cstdio>

namespace e2e {
namespace {

constexpr wchar_t kTargetClass[] = L"OrvaneE2ETarget";
constexpr const wchar_t* kMainClass = app::facts::kMainWindowClass;

std::string Utf8(const std::wstring& w) {
    if (w.empty()) {
        return {};
    }
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr,
                                        0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr,
                          nullptr);
    return s;
}

void PumpOnce() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
}

void SendKey(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(input));
}

std::wstring ClassName(HWND hwnd) {
    wchar_t buffer[256] = {};
    ::GetClassNameW(hwnd, buffer, 256);
    return buffer;
}

struct EnumArgs {
    DWORD pid;
    const wchar_t* className;
    std::vector<HWND>* out;
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM lp) {
    auto* a = reinterpret_cast<EnumArgs*>(lp);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(hwnd, &owner);
    if ((a->pid == 0 || owner == a->pid) && (!a->className || ClassName(hwnd) == a->className)) {
        a->out->push_back(hwnd);
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
    auto* a = reinterpret_cast<EnumArgs*>(lp);
    if (ClassName(hwnd) == a->className) {
        a->out->push_back(hwnd);
    }
    return TRUE;
}

}  // namespace

void Expect(bool condition, const std::string& what, const char* file, int line) {
    if (!condition) {
        throw Failed(std::string(file) + ":" + std::to_string(line) + ": expected " + what);
    }
}

std::string Show(const std::string& s) {
    std::string out = "\"";
    for (unsigned char c : s) {
        if (c < 0x20 || c == 0x7f) {
            char buf[8];
            std::snprintf(buf, sizeof(buf), "\\x%02X", c);
            out += buf;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}
std::string Show(const std::wstring& s) {
    return Show(Utf8(s));
}

std::string Show(HWND window) {
    if (!window) {
        return "no window";
    }
    char handle[32];
    std::snprintf(handle, sizeof(handle), "%p", static_cast<void*>(window));
    return std::string(handle) + " of class " + Show(ClassOf(window));
}

bool WaitFor(const std::function<bool()>& done, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        PumpOnce();
        if (done()) {
            return true;
        }
        if (std::chrono::steady_clock::now() > end) {
            return false;
        }
        ::Sleep(10);
    }
}

void Pause(int ms) {
    WaitFor([] { return false; }, ms);
}

std::wstring Text(HWND hwnd) {
    wchar_t buffer[512] = {};
    DWORD_PTR copied = 0;
    ::SendMessageTimeoutW(hwnd, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(buffer), SMTO_ABORTIFHUNG,
                          2000, &copied);
    return std::wstring(buffer, copied);
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t buffer[256] = {};
    ::GetClassNameW(hwnd, buffer, 256);
    return buffer;
}

std::vector<HWND> TopLevelWindows(DWORD pid, const wchar_t* className) {
    std::vector<HWND> found;
    EnumArgs args{pid, className, &found};
    ::EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&args));
    return found;
}

std::vector<HWND> ChildWindows(HWND parent, const wchar_t* className) {
    std::vector<HWND> found;
    EnumArgs args{0, className, &found};
    ::EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&args));
    return found;
}

SIZE ClientSize(HWND hwnd) {
    RECT r{};
    ::GetClientRect(hwnd, &r);
    return SIZE{r.right, r.bottom};
}

void InstallBrowserStub(const std::wstring& stub) {
    ::CreateDirectoryW(L"C:\\Program Files\\Internet Explorer", nullptr);
    EXPECT_TRUE(::CopyFileW(stub.c_str(), kBrowser, FALSE) != FALSE);
    ::DeleteFileW(kBrowserLog);
}

std::string ReadFileBytes(const std::wstring& path) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return "<missing>";
    }
    LARGE_INTEGER size{};
    ::GetFileSizeEx(file, &size);
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD got = 0;
    ::ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
    ::CloseHandle(file);
    bytes.resize(got);
    return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return false;
    }
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    ::CloseHandle(file);
    return written == bytes.size();
}

void KeyDown(WORD vk) {
    SendKey(vk, false);
}
void KeyUp(WORD vk) {
    SendKey(vk, true);
}

// Held as a keyboard holds a key: the key-down repeats.  (Under Wine, the
// X server's idea of the keyboard can reset a key that only SendInput pressed.)
bool HoldKeyUntil(WORD vk, const std::function<bool()>& done, int timeoutMs) {
    constexpr int kRepeatMs = 30;
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    bool ok = false;
    while (!ok && std::chrono::steady_clock::now() < end) {
        KeyDown(vk);
        ok = WaitFor(done, kRepeatMs);
    }
    KeyUp(vk);
    // Let go until a poll has seen it: a press that follows at once would be
    // the same press to the program.
    Pause(kNextPollMs);
    return ok;
}

void HoldKeyFor(WORD vk, int ms) {
    const auto never = [] { return false; };
    HoldKeyUntil(vk, never, ms);
}

int FlipsOfOnePress(HWND window, WORD vk, int holdMs, int settleMs) {
    // A keyboard's usual repeat: after a quarter of a second, thirty a second.
    constexpr auto kRepeatDelay = std::chrono::milliseconds(250);
    constexpr auto kRepeatEvery = std::chrono::milliseconds(33);
    using Clock = std::chrono::steady_clock;
    bool last = Topmost(window);
    int flips = 0;
    const auto watchUntil = [&](Clock::time_point end, const std::function<void()>& each) {
        while (Clock::now() < end) {
            each();
            Pause(5);
            if (Topmost(window) != last) {
                last = !last;
                ++flips;
            }
        }
    };
    const auto pressed = Clock::now();
    KeyDown(vk);
    auto repeatAt = pressed + kRepeatDelay;
    watchUntil(pressed + std::chrono::milliseconds(holdMs), [&] {
        if (Clock::now() >= repeatAt) {
            KeyDown(vk);
            repeatAt += kRepeatEvery;
        }
    });
    KeyUp(vk);
    watchUntil(Clock::now() + std::chrono::milliseconds(settleMs), [] {});
    return flips;
}

Program::Program(const std::wstring& exe, bool waitVisible, int showCommand, int startTimeoutMs) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    if (showCommand >= 0) {
        startup.dwFlags = STARTF_USESHOWWINDOW;
        startup.wShowWindow = static_cast<WORD>(showCommand);
    }
    PROCESS_INFORMATION info{};
    std::wstring line = L"\"" + exe + L"\"";
    const auto start = std::chrono::steady_clock::now();
    if (!::CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
        throw Failed("cannot start " + Show(exe));
    }
    ::CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
    const bool found = WaitFor(
        [&] {
            const auto windows = TopLevelWindows(pid_, kMainClass);
            main_ = windows.empty() ? nullptr : windows.front();
            return main_ && (!waitVisible || ::IsWindowVisible(main_));
        },
        startTimeoutMs);
    startMilliseconds = static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                             std::chrono::steady_clock::now() - start)
                                             .count());
    // A start that shows the window ends with it active.  The window reads as
    // visible a moment before that (under emulation, seconds), and a window of
    // the driver's brought to the front in between would lose the foreground
    // to it again.
    const bool active =
        found &&
        (!waitVisible || WaitFor([&] { return ::GetForegroundWindow() == main_; }, startTimeoutMs));
    EXPECT_TRUE(found);
    EXPECT_TRUE(active);
}

Program::~Program() {
    if (process_ && Running()) {
        ::PostMessageW(main_, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(process_, 5000) != WAIT_OBJECT_0) {
            ::TerminateProcess(process_, 1);
            ::WaitForSingleObject(process_, 5000);
        }
    }
    if (process_) {
        ::CloseHandle(process_);
    }
}

void Program::Click(Id id) {
    ::PostMessageW(main_, WM_COMMAND, MAKEWPARAM(app::ControlId(id), BN_CLICKED),
                   reinterpret_cast<LPARAM>(Control(id)));
}

void Program::Close() {
    ::PostMessageW(main_, WM_CLOSE, 0, 0);
    EXPECT_TRUE(::WaitForSingleObject(process_, 10000) == WAIT_OBJECT_0);
}

const wchar_t* DriverClass(const wchar_t* name, WNDPROC proc, int systemColour) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = name;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(systemColour + 1));
    ::RegisterClassW(&wc);  // a second registration fails harmlessly
    return name;
}

TargetWindow::TargetWindow() {
    DriverClass(kTargetClass, ::DefWindowProcW, COLOR_WINDOW);
    hwnd_ = ::CreateWindowExW(0, kTargetClass, L"e2e target", WS_OVERLAPPEDWINDOW, 40, 40, 300, 200,
                              nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    ::ShowWindow(hwnd_, SW_SHOWNORMAL);
    BringToFront();
}

TargetWindow::~TargetWindow() {
    ::DestroyWindow(hwnd_);
}

void TargetWindow::BringToFront() {
    ::SetForegroundWindow(hwnd_);
    EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == hwnd_; }));
}

bool TargetWindow::Topmost() const {
    return e2e::Topmost(hwnd_);
}

bool Topmost(HWND hwnd) {
    return (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool IsAbove(HWND a, HWND b) {
    for (HWND h = ::GetTopWindow(nullptr); h; h = ::GetWindow(h, GW_HWNDNEXT)) {
        if (h == a) {
            return true;
        }
        if (h == b) {
            return false;
        }
    }
    return false;
}

namespace {

// Wine's tray when there is no X tray: Wine 8 shows a window of its own,
// Wine 10 a taskbar of the shell's class; each icon is a child window.
struct WineTray {
    const wchar_t* trayClass;
    const wchar_t* iconClass;
};
constexpr WineTray kWineTrays[] = {
    {L"__winex11_standalone_tray", L"__winex11_tray_icon"},  // Wine 8
    {L"Shell_TrayWnd", L"__wine_tray_icon"},                 // Wine 10
};

}  // namespace

std::vector<HWND> TrayWindows() {
    std::vector<HWND> trays;
    for (const WineTray& kind : kWineTrays) {
        for (HWND tray : TopLevelWindows(0, kind.trayClass)) {
            trays.push_back(tray);
        }
    }
    return trays;
}

std::vector<HWND> TrayIcons() {
    std::vector<HWND> icons;
    for (const WineTray& kind : kWineTrays) {
        for (HWND tray : TopLevelWindows(0, kind.trayClass)) {
            for (HWND icon : ChildWindows(tray, kind.iconClass)) {
                if (::IsWindowVisible(icon)) {
                    icons.push_back(icon);
                }
            }
        }
    }
    return icons;
}

HWND AboutWindow(const Program& program) {
    const auto windows = TopLevelWindows(program.pid(), app::facts::kAboutWindowClass);
    return windows.empty() ? nullptr : windows.front();
}

HWND OpenAbout(Program& program) {
    program.Click(Id::Command1);
    HWND about = nullptr;
    EXPECT_TRUE(
        WaitFor([&] { return (about = AboutWindow(program)) && ::IsWindowVisible(about); }));
    return about;
}

bool InTray(const Program& program) {
    return !::IsWindowVisible(program.main()) && ::IsIconic(program.main()) &&
           TrayIcons().size() == 1;
}

bool Shown(const Program& program) {
    return ::IsWindowVisible(program.main()) && !::IsIconic(program.main());
}

void PostToIcon(HWND icon, UINT message) {
    ::PostMessageW(icon, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(4, 4));
}

}  // namespace e2e
