// The program at 120 dots per inch: laid out from twips at the real DPI, and
// the tray icon still brings it back.  Runs in a Wine prefix set to 120 dpi
// (Wine reads the DPI once per session, so it can't change under a test).
#include "tests/e2e/Scenarios.h"

namespace e2e {
namespace {

SIZE ClientSize(HWND hwnd) {
    RECT r{};
    ::GetClientRect(hwnd, &r);
    return SIZE{r.right, r.bottom};
}

SIZE WindowSize(HWND hwnd) {
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

void ScalesWithTheDisplay(const Paths& paths) {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    EXPECT_EQ(dpi, 120);
    ::CreateDirectoryW(L"C:\\Program Files\\Internet Explorer", nullptr);
    ::CopyFileW(paths.browserStub.c_str(), L"C:\\Program Files\\Internet Explorer\\iexplore.exe",
                FALSE);
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);

    // 4590 x 1335 twips at 12 twips a pixel.
    EXPECT_EQ(ClientSize(program.main()).cx, 383L);
    EXPECT_EQ(ClientSize(program.main()).cy, 111L);
    // The capture box, 420 x 390 twips; the set-hotkey button, 1515 x 375.
    EXPECT_EQ(WindowSize(program.Control(Id::Text1)).cx, 35L);
    EXPECT_EQ(WindowSize(program.Control(Id::Text1)).cy, 33L);
    EXPECT_EQ(WindowSize(program.Control(Id::cmdSetKey)).cx, 126L);

    // At this DPI the icon's left-button notification, read as a coordinate,
    // would be 6156 twips; the window must come back all the same.
    program.Click(Id::cmdMini);
    EXPECT_TRUE(
        WaitFor([&] { return !::IsWindowVisible(program.main()) && TrayIcons().size() == 1; }));
    const HWND icon = TrayIcons().front();
    ::PostMessageW(icon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
    ::PostMessageW(icon, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    EXPECT_TRUE(
        WaitFor([&] { return ::IsWindowVisible(program.main()) && !::IsIconic(program.main()); }));

    program.Click(Id::Command1);
    HWND about = nullptr;
    EXPECT_TRUE(WaitFor([&] {
        const auto windows = TopLevelWindows(program.pid(), L"Orvane.frmAbout");
        about = windows.empty() ? nullptr : windows.front();
        return about && ::IsWindowVisible(about);
    }));
    EXPECT_EQ(ClientSize(about).cx, 664L);  // 7965 x 2985 twips
    EXPECT_EQ(ClientSize(about).cy, 249L);
}

}  // namespace

void AddDpiScenarios(Registry& registry) {
    registry["dpi_120"] = ScalesWithTheDisplay;
}

}  // namespace e2e
