// Minimising to the notification area and coming back, as Wine shows the tray.
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

}  // namespace

void AddTrayScenarios(Registry& registry) {
    registry["tray_button"] = TrayButtonHidesTheWindow;
    registry["tray_restore"] = LeftButtonOnTheIconRestores;
    registry["tray_minimise_box"] = MinimiseBoxGoesToTheTrayToo;
    registry["start_in_tray"] = StartsInTheTrayAndPinsFromThere;
    registry["tray_explorer_restart"] = ExplorerRestartKeepsOneIcon;
    registry["tray_close"] = ClosingFromTheTrayRemovesTheIcon;
    registry["tray_logoff"] = LogOffFromTheTray;
}

}  // namespace e2e
