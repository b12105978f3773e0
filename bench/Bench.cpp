// Measures what needs a Windows process to see it:
//   bench startup N EXE CLASS [EXE CLASS ...]
//                               start to visible window, N rounds after one
//                               untimed start of each; the programs take
//                               turns, so drift on the machine hits them
//                               alike: "startup_ms INDEX median max" each
//   bench memory EXE CLASS      peak working set and private bytes three
//                               seconds after start (GetProcessMemoryInfo):
//                               "memory_kib peak private"
//   bench reaction EXE N [TAP]  hotkey down to the foreground window's topmost
//                               bit changing, N presses held until it changes,
//                               or N taps of TAP ms, let go whatever happens:
//                               "reaction_ms median max missed"; for the
//                               pins, the program's frame showing after the
//                               press and after the topmost bit:
//                               "frame_ms median max" and "frame_after_ms ..."
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "app/Facts.h"

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

void Pump() {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        ::DispatchMessageW(&msg);
    }
}

struct Found {
    DWORD pid;
    const wchar_t* className;
    HWND hwnd;
};

BOOL CALLBACK FindWindowOf(HWND hwnd, LPARAM lp) {
    auto* f = reinterpret_cast<Found*>(lp);
    DWORD pid = 0;
    wchar_t name[128] = {};
    ::GetWindowThreadProcessId(hwnd, &pid);
    ::GetClassNameW(hwnd, name, 128);
    if (pid == f->pid && std::wstring(name) == f->className && ::IsWindowVisible(hwnd)) {
        f->hwnd = hwnd;
        return FALSE;
    }
    return TRUE;
}

struct Started {
    PROCESS_INFORMATION info{};
    HWND hwnd = nullptr;
    double ms = 0;
};

// A window class named on the command line; "program" is the program's own.
const wchar_t* ClassName(const wchar_t* argument) {
    return std::wstring(argument) == L"program" ? app::facts::kMainWindowClass : argument;
}

Started Start(const std::wstring& exe, const wchar_t* className) {
    Started s;
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    std::wstring line = L"\"" + exe + L"\"";
    const auto t0 = Clock::now();
    if (!::CreateProcessW(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &s.info)) {
        std::fprintf(stderr, "cannot start the program\n");
        std::exit(1);
    }
    Found f{s.info.dwProcessId, className, nullptr};
    while (!f.hwnd && Clock::now() - t0 < std::chrono::seconds(20)) {
        ::EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&f));
        if (!f.hwnd) {
            ::Sleep(1);
        }
    }
    s.ms = Ms(Clock::now() - t0);
    s.hwnd = f.hwnd;
    return s;
}

void Stop(Started& s) {
    ::PostMessageW(s.hwnd, WM_CLOSE, 0, 0);
    if (::WaitForSingleObject(s.info.hProcess, 5000) != WAIT_OBJECT_0) {
        ::TerminateProcess(s.info.hProcess, 1);
    }
    ::CloseHandle(s.info.hProcess);
    ::CloseHandle(s.info.hThread);
}

void Report(const char* what, std::vector<double> ms, const char* more = "") {
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) {
        ms.push_back(0);
    }
    std::printf("%s%s%.1f %.1f%s\n", what, *what ? " " : "", ms[ms.size() / 2], ms.back(), more);
}

void Key(WORD vk, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = vk;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    ::SendInput(1, &input, sizeof(input));
}

// The program's pin frame, shown.
bool FrameShows(DWORD pid) {
    Found f{pid, app::facts::kPinFrameWindowClass, nullptr};
    ::EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&f));
    return f.hwnd != nullptr;
}

bool Topmost(HWND hwnd) {
    return (::GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: bench startup N EXE CLASS [EXE CLASS ...] | bench memory EXE CLASS | "
                     "bench reaction EXE N [TAP_MS]\n");
        return 2;
    }
    const std::wstring mode = argv[1];
    if (mode == L"startup" && argc >= 5 && argc % 2 == 1) {
        const int rounds = _wtoi(argv[2]);
        const int programs = (argc - 3) / 2;
        auto exe = [&](int p) { return argv[3 + 2 * p]; };
        auto className = [&](int p) { return ClassName(argv[4 + 2 * p]); };
        for (int p = 0; p < programs; ++p) {
            Started warmUp = Start(exe(p), className(p));  // not timed: first-start caches
            Stop(warmUp);
        }
        std::vector<std::vector<double>> ms(programs);
        for (int i = 0; i < rounds; ++i) {
            for (int p = 0; p < programs; ++p) {
                Started s = Start(exe(p), className(p));
                ms[p].push_back(s.ms);
                Stop(s);
            }
        }
        for (int p = 0; p < programs; ++p) {
            std::printf("startup_ms %d ", p);
            Report("", ms[p]);
        }
        return 0;
    }
    if (mode == L"memory") {
        Started s = Start(argv[2], ClassName(argv[3]));
        ::Sleep(3000);
        // PagefileUsage is the private commit, as PrivateUsage (which Wine leaves 0).
        PROCESS_MEMORY_COUNTERS memory{};
        ::GetProcessMemoryInfo(s.info.hProcess, &memory, sizeof(memory));
        std::printf("memory_kib %zu %zu\n",
                    static_cast<std::size_t>(memory.PeakWorkingSetSize / 1024),
                    static_cast<std::size_t>(memory.PagefileUsage / 1024));
        Stop(s);
        return 0;
    }
    if (mode == L"reaction") {
        ::DeleteFileW(app::facts::kSettingsPathWide);  // F8
        Started program = Start(argv[2], app::facts::kMainWindowClass);
        WNDCLASSW wc{};
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"OrvaneBenchTarget";
        ::RegisterClassW(&wc);
        HWND target = ::CreateWindowExW(0, wc.lpszClassName, L"target", WS_OVERLAPPEDWINDOW, 40, 40,
                                        300, 200, nullptr, nullptr, wc.hInstance, nullptr);
        ::ShowWindow(target, SW_SHOWNORMAL);
        ::SetForegroundWindow(target);
        const int tapMs = argc >= 5 ? _wtoi(argv[4]) : 0;
        constexpr auto kGiveUp = std::chrono::seconds(1);
        std::vector<double> ms;
        std::vector<double> frameMs;
        std::vector<double> frameAfterMs;
        int missed = 0;
        for (int i = 0; i < _wtoi(argv[3]); ++i) {
            // Let a poll see the key up, then land at a different point of
            // its period each time.
            ::Sleep(app::facts::kPollMilliseconds + 37 + 31 * (i % 5));
            Pump();
            const bool was = Topmost(target);
            const auto t0 = Clock::now();
            auto lastDown = Clock::time_point{};
            bool down = true;
            while (Topmost(target) == was && Clock::now() - t0 < kGiveUp) {
                if (tapMs > 0 && down && Clock::now() - t0 >= std::chrono::milliseconds(tapMs)) {
                    Key(VK_F8, true);
                    down = false;
                } else if (down && Clock::now() - lastDown > std::chrono::milliseconds(30)) {
                    Key(VK_F8, false);  // a held key repeats
                    lastDown = Clock::now();
                }
                Pump();
                ::Sleep(1);
            }
            if (Topmost(target) == was) {
                ++missed;
            } else {
                const auto topmostAt = Clock::now();
                ms.push_back(Ms(topmostAt - t0));
                while (!was && !FrameShows(program.info.dwProcessId) &&
                       Clock::now() - t0 < 2 * kGiveUp) {
                    Pump();
                    ::Sleep(1);
                }
                if (!was && FrameShows(program.info.dwProcessId)) {
                    frameMs.push_back(Ms(Clock::now() - t0));
                    frameAfterMs.push_back(Ms(Clock::now() - topmostAt));
                }
            }
            if (down) {
                Key(VK_F8, true);
            }
        }
        Report("reaction_ms", ms, (" " + std::to_string(missed)).c_str());
        Report("frame_ms", frameMs);
        Report("frame_after_ms", frameAfterMs);
        ::DestroyWindow(target);
        Stop(program);
        return 0;
    }
    return 2;
}
