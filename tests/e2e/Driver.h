// Helpers for driving the real program from another process under Wine.
#pragma once

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

#include "app/Facts.h"

namespace e2e {

// A failed expectation ends the scenario.
struct Failed : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// A scenario that can't run on this machine; it says why before throwing.
struct Skipped {};
// The exit code that tells ctest a scenario was skipped.
constexpr int kSkippedExitCode = 77;

void Expect(bool condition, const std::string& what, const char* file, int line);
#define EXPECT_TRUE(c) ::e2e::Expect((c), #c, __FILE__, __LINE__)
#define EXPECT_EQ(a, b) \
    ::e2e::Expect((a) == (b), #a " == " #b ": got " + ::e2e::Show(a), __FILE__, __LINE__)

std::string Show(const std::string& s);
std::string Show(const std::wstring& s);
inline std::string Show(bool v) {
    return v ? "true" : "false";
}
inline std::string Show(const wchar_t* s) {
    return Show(std::wstring(s));
}
// A window by its handle and class: a handle alone would read as a bool.
std::string Show(HWND window);
template <class T>
concept Number = std::is_arithmetic_v<T>;
template <Number T>
std::string Show(T v) {
    return std::to_string(v);
}

// Pumps this process's messages while waiting, so its own window stays alive.
bool WaitFor(const std::function<bool()>& done, int timeoutMs = 3000);
void Pause(int ms);

std::wstring Text(HWND hwnd);
std::wstring ClassOf(HWND hwnd);
std::vector<HWND> TopLevelWindows(DWORD pid, const wchar_t* className = nullptr);
// Registers a window class of the driver's, painted with a system colour;
// returns its name.
const wchar_t* DriverClass(const wchar_t* name, WNDPROC proc = ::DefWindowProcW,
                           int systemColour = COLOR_WINDOW);
std::vector<HWND> ChildWindows(HWND parent, const wchar_t* className);
SIZE ClientSize(HWND hwnd);

// Files of the prefix, as bytes.
std::string ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
constexpr const wchar_t* kConfigPath = app::facts::kSettingsPathWide;

// The browser stub where the program looks for Internet Explorer; it logs
// each start to kBrowserLog, emptied here.
constexpr const wchar_t* kBrowser = L"C:\\Program Files\\Internet Explorer\\iexplore.exe";
constexpr const wchar_t* kBrowserLog = L"C:\\browser.log";
void InstallBrowserStub(const std::wstring& stub);

// Times against the program's poll, so that changing its period is one line.
constexpr int kPollMs = static_cast<int>(app::facts::kPollMilliseconds);
// Long enough for the next poll to have come.
constexpr int kNextPollMs = kPollMs + kPollMs / 4;
// Spans three polls or more.
constexpr int kThreePollsMs = 3 * kPollMs + kPollMs / 2;

void KeyDown(WORD vk);
void KeyUp(WORD vk);
// Holds the key until done() or the timeout, then lets it go for long enough
// that the next press is a new one.
bool HoldKeyUntil(WORD vk, const std::function<bool()>& done, int timeoutMs = 2000);
void HoldKeyFor(WORD vk, int ms);
// Presses the key as a person does, for holdMs (repeating once the keyboard
// would), lets it go, and counts how often the window's topmost state
// changed from the press until settleMs after the release.  Reads the
// window's style only: a read of the key's state would take the "pressed
// since" bit from the program.
int FlipsOfOnePress(HWND window, WORD vk, int holdMs, int settleMs);

// The program's controls, found by the child-window ids it gives them.
using Id = app::Control;

// The program under test, started afresh; closed (or killed) at the end.
class Program {
  public:
    // showCommand: what a shortcut's "run" setting passes (STARTUPINFO), if any.
    explicit Program(const std::wstring& exe, bool waitVisible = true, int showCommand = -1,
                     int startTimeoutMs = 15000);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    HWND main() const { return main_; }
    DWORD pid() const { return pid_; }
    HANDLE process() const { return process_; }
    HWND Control(Id id) const { return ::GetDlgItem(main_, app::ControlId(id)); }
    void Click(Id id);  // as the button tells its window when clicked
    bool Running() const { return ::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }
    // Closes the main window and waits for the process to end.
    void Close();
    int startMilliseconds = 0;

  private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    HWND main_ = nullptr;
};

// A window of the driver's own, to be pinned and un-pinned.
class TargetWindow {
  public:
    TargetWindow();
    ~TargetWindow();
    HWND hwnd() const { return hwnd_; }
    void BringToFront();
    bool Topmost() const;

  private:
    HWND hwnd_ = nullptr;
};

bool Topmost(HWND hwnd);
// True when a is above b in the z-order.
bool IsAbove(HWND a, HWND b);

// The tray icons Wine shows in its own tray window when there is no X tray
// (Wine 8 and Wine 10 each have theirs), and those windows.
std::vector<HWND> TrayIcons();
std::vector<HWND> TrayWindows();
// The program's About window, if it has one; clicks 帮助 and waits for it.
HWND AboutWindow(const Program& program);
HWND OpenAbout(Program& program);

// Hidden behind its one tray icon; shown and normal.
bool InTray(const Program& program);
bool Shown(const Program& program);
// A mouse message on the icon's window, as the shell passes a click on it.
void PostToIcon(HWND icon, UINT message);

}  // namespace e2e
