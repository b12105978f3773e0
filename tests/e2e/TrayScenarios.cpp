// Minimising to the notification area and coming back, as Wine shows the tray.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <cstdio>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "tests/e2e/Scenarios.h"

namespace e2e {
namespace {

void TrayButtonHidesTheWindow(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    EXPECT_TRUE(TrayIcons().empty());
    program.Click(Id::cmdMini);
    EXPECT_TRUE(WaitFor([&] { return InTray(program); }));
}

void LeftButtonOnTheIconRestores(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    program.Click(Id::cmdMini);
    EXPECT_TRUE(WaitFor([&] { return InTray(program); }));
    HWND icon = TrayIcons().front();

    // Right button, double click, button up: nothing.
    for (UINT message :
         {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_MOUSEMOVE}) {
        PostToIcon(icon, message);
    }
    // The pointer's own moves never restore, wherever they are: x = 513 is
    // what the left button's notification looks like as a coordinate.
    for (int x : {1, 257, 513}) {
        ::PostMessageW(program.main(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 0));
    }
    Pause(400);
    EXPECT_TRUE(InTray(program));

    PostToIcon(icon, WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitFor([&] { return Shown(program); }));
    EXPECT_TRUE(WaitFor([] { return TrayIcons().empty(); }));  // gone before the button is up
    PostToIcon(icon, WM_LBUTTONUP);
    EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == program.main(); }));
}

// The callback the shell sends the main window for the icon: its id, and
// the event.
void PostCallback(const Program& program, UINT event) {
    ::PostMessageW(program.main(), app::facts::kTrayCallbackMessage, app::facts::kTrayIconId,
                   event);
}

// Win+B, the arrow keys to the icon, then Space or Enter.  Wine's tray has no
// keyboard selection, so the driver sends what Windows' shell sends for it
// once the icon has asked for the callbacks of version 3: NIN_KEYSELECT.
void KeyboardSelectionRestores(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    program.Click(Id::cmdMini);
    EXPECT_TRUE(WaitFor([&] { return InTray(program); }));  // the add, then its version
    HWND icon = TrayIcons().front();

    // The buttons on Wine's icon: its tray follows a button's release with
    // the version's WM_CONTEXTMENU (right) and NIN_SELECT (left).  Then as
    // the shell sends them: the keyboard's selection in version 0 (the right
    // button), the menu key in version 3, the selection after a click
    // alone.  Nothing brings the window back.
    for (UINT message : {WM_RBUTTONDOWN, WM_RBUTTONUP, WM_LBUTTONUP}) {
        PostToIcon(icon, message);
    }
    for (UINT event :
         std::initializer_list<UINT>{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_CONTEXTMENU, NIN_SELECT}) {
        PostCallback(program, event);
    }
    Pause(400);
    EXPECT_TRUE(InTray(program));

    // The selection, and a second one queued behind it, which finds the
    // window back: the window shown and in front, the icon gone.
    PostCallback(program, NIN_KEYSELECT);
    PostCallback(program, NIN_KEYSELECT);
    EXPECT_TRUE(WaitFor([&] { return Shown(program); }));
    EXPECT_TRUE(WaitFor([] { return TrayIcons().empty(); }));
    EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == program.main(); }));

    // To the tray again: the fresh icon asks for its version again, and the
    // left button on it still brings the window back.
    program.Click(Id::cmdMini);
    EXPECT_TRUE(WaitFor([&] { return InTray(program); }));
    PostToIcon(TrayIcons().front(), WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitFor([&] { return Shown(program); }));
}

void MinimiseBoxGoesToTheTrayToo(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    ::PostMessageW(program.main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitFor([&] { return InTray(program); }));
    // And back, and down again: a fresh icon each time, never two.
    PostToIcon(TrayIcons().front(), WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitFor([&] { return Shown(program); }));
    ::PostMessageW(program.main(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(WaitFor([&] { return InTray(program); }));
}

void StartsInTheTrayAndPinsFromThere(const Paths& paths) {
    EXPECT_TRUE(WriteFileBytes(kConfigPath, "119\r\n1\r\n"));
    Program program(paths.program, /*waitVisible=*/false);
    EXPECT_TRUE(WaitFor([&] { return InTray(program); }));
    EXPECT_EQ(::SendMessageW(program.Control(Id::CbAuto), BM_GETCHECK, 0, 0), LRESULT{BST_CHECKED});
    // The box changed during start-up, which wrote the file in the program's format.
    EXPECT_EQ(ReadFileBytes(kConfigPath), std::string(" 119 \r\n 1 \r\n"));
    TargetWindow target;
    EXPECT_TRUE(HoldKeyUntil(VK_F8, [&] { return target.Topmost(); }));
    EXPECT_TRUE(InTray(program));
}

void ExplorerRestartKeepsOneIcon(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
    ::PostMessageW(program.main(), taskbarCreated, 0, 0);
    Pause(300);
    EXPECT_TRUE(TrayIcons().empty());  // a shown window has no icon to bring back
    program.Click(Id::cmdMini);
    EXPECT_TRUE(WaitFor([&] { return InTray(program); }));
    ::PostMessageW(program.main(), taskbarCreated, 0, 0);
    Pause(300);
    EXPECT_TRUE(InTray(program));  // added again, still exactly one
    PostToIcon(TrayIcons().front(), WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitFor([&] { return Shown(program); }));
}

void ClosingFromTheTrayRemovesTheIcon(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    program.Click(Id::cmdMini);
    EXPECT_TRUE(WaitFor([&] { return InTray(program); }));
    program.Close();
    EXPECT_TRUE(WaitFor([] { return TrayIcons().empty(); }));
    EXPECT_EQ(ReadFileBytes(kConfigPath), std::string(" 119 \r\n 0 \r\n"));
}

// Logging off with the window in the tray: the session's end closes it once,
// which takes the icon away and saves, and nothing after saves again.
void LogOffFromTheTray(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    program.Click(Id::cmdMini);
    EXPECT_TRUE(WaitFor([&] { return InTray(program); }));
    DWORD_PTR answer = 0;
    EXPECT_TRUE(::SendMessageTimeoutW(program.main(), WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF,
                                      SMTO_ABORTIFHUNG, 5000, &answer) != 0);
    EXPECT_TRUE(answer != 0);  // never stands in the way of a log-off
    EXPECT_TRUE(::SendMessageTimeoutW(program.main(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF,
                                      SMTO_ABORTIFHUNG, 5000, &answer) != 0);
    EXPECT_TRUE(WaitFor([] { return TrayIcons().empty(); }));
    EXPECT_EQ(ReadFileBytes(kConfigPath), std::string(" 119 \r\n 0 \r\n"));
    // Windows ends the process now; here it lives on, so close it: no second save.
    ::DeleteFileW(kConfigPath);
    program.Close();
    EXPECT_EQ(ReadFileBytes(kConfigPath), std::string("<missing>"));
}

// The tip the tray shows for an icon: the text of the tooltip tool that
// Wine's tray made for it, read in the tray's own process (a tooltip's
// messages carry pointers, which no other process can pass).  The tool is
// the icon window's, or, where the tray keeps one tool per icon under its
// own window, the only one; nothing when the tray has no tool at all.
std::optional<std::wstring> TrayTip(HWND icon) {
    DWORD trayProcessId = 0;
    ::GetWindowThreadProcessId(icon, &trayProcessId);
    HANDLE tray = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                                trayProcessId);
    if (!tray) {
        return std::nullopt;
    }
    struct Tool {
        TTTOOLINFOW info;
        wchar_t text[256];
    };
    auto* remote = static_cast<Tool*>(
        ::VirtualAllocEx(tray, nullptr, sizeof(Tool), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    std::vector<std::wstring> others;
    std::optional<std::wstring> iconsOwn;
    for (HWND tooltip : TopLevelWindows(trayProcessId, TOOLTIPS_CLASSW)) {
        const auto count = ::SendMessageW(tooltip, TTM_GETTOOLCOUNT, 0, 0);
        for (LRESULT index = 0; index < count; ++index) {
            Tool tool{};
            tool.info.cbSize = sizeof(tool.info);
            tool.info.lpszText = remote->text;
            DWORD_PTR found = 0;
            if (!remote || !::WriteProcessMemory(tray, remote, &tool, sizeof(tool), nullptr) ||
                !::SendMessageTimeoutW(tooltip, TTM_ENUMTOOLSW, static_cast<WPARAM>(index),
                                       reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 2000,
                                       &found) ||
                !found || !::ReadProcessMemory(tray, remote, &tool, sizeof(tool), nullptr)) {
                continue;
            }
            tool.text[std::size(tool.text) - 1] = L'\0';
            if (tool.info.hwnd == icon || tool.info.uId == reinterpret_cast<UINT_PTR>(icon)) {
                iconsOwn = tool.text;
            } else {
                others.emplace_back(tool.text);
            }
        }
    }
    if (remote) {
        ::VirtualFreeEx(tray, remote, 0, MEM_RELEASE);
    }
    ::CloseHandle(tray);
    if (!iconsOwn && others.size() == 1) {
        iconsOwn = others.front();
    }
    return iconsOwn;
}

// The icon's tip is the product's name, read right whatever the system's
// ANSI code page: under GBK (tray_tip) and a Western one (tray_tip_western).
void TheTipReadsRight(const Paths& paths) {
    std::printf("ANSI code page %u\n", ::GetACP());
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    program.Click(Id::cmdMini);
    EXPECT_TRUE(WaitFor([&] { return InTray(program); }));
    const std::optional<std::wstring> tip = TrayTip(TrayIcons().front());
    if (!tip) {
        std::printf(
            "(this Wine's tray keeps no tooltip tool the driver can read: tip not checked)\n");
        throw Skipped{};
    }
    EXPECT_EQ(*tip, std::wstring(L"Orvane置顶工具"));
}

void TheTipReadsRightUnderAWesternCodePage(const Paths& paths) {
    EXPECT_EQ(::GetACP(), 1252U);
    TheTipReadsRight(paths);
}

}  // namespace

void AddTrayScenarios(Registry& registry) {
    registry["tray_button"] = TrayButtonHidesTheWindow;
    registry["tray_restore"] = LeftButtonOnTheIconRestores;
    registry["tray_keyboard"] = KeyboardSelectionRestores;
    registry["tray_minimise_box"] = MinimiseBoxGoesToTheTrayToo;
    registry["start_in_tray"] = StartsInTheTrayAndPinsFromThere;
    registry["tray_explorer_restart"] = ExplorerRestartKeepsOneIcon;
    registry["tray_close"] = ClosingFromTheTrayRemovesTheIcon;
    registry["tray_logoff"] = LogOffFromTheTray;
    registry["tray_tip"] = TheTipReadsRight;
    registry["tray_tip_western"] = TheTipReadsRightUnderAWesternCodePage;
}

}  // namespace e2e
