// The program at 120 dots per inch: laid out from twips at the real DPI, and
// the tray icon still brings it back.  Runs in a Wine prefix set to 120 dpi
// (Wine reads the DPI once per session, so it can't change under a test).
#include <cstdio>
#include <cstdlib>

#include "tests/e2e/Scenarios.h"

namespace e2e {
namespace {

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
    InstallBrowserStub(paths.browserStub);
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

    const HWND about = OpenAbout(program);
    EXPECT_EQ(ClientSize(about).cx, 664L);  // 7965 x 2985 twips
    EXPECT_EQ(ClientSize(about).cy, 249L);
}

// WM_DPICHANGED as Windows sends it when a window moves to a monitor of
// another DPI: the new DPI, and a pointer to the suggested window rectangle
// in the receiver's own memory.  The suggestion keeps the window's place and
// frame around the client size the new DPI gives.
void SendDpiChanged(const Program& program, HWND window, int dpi, SIZE client) {
    constexpr UINT kWmDpiChanged = 0x02E0;
    RECT frame{};
    ::GetWindowRect(window, &frame);
    const SIZE now = ClientSize(window);
    const RECT suggested{frame.left, frame.top, frame.right + (client.cx - now.cx),
                         frame.bottom + (client.cy - now.cy)};
    void* remote = ::VirtualAllocEx(program.process(), nullptr, sizeof(suggested),
                                    MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    EXPECT_TRUE(remote != nullptr);
    EXPECT_TRUE(::WriteProcessMemory(program.process(), remote, &suggested, sizeof(suggested),
                                     nullptr) != FALSE);
    DWORD_PTR ignored = 0;
    EXPECT_TRUE(::SendMessageTimeoutW(window, kWmDpiChanged, MAKEWPARAM(dpi, dpi),
                                      reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG, 5000,
                                      &ignored) != 0);
    ::VirtualFreeEx(program.process(), remote, 0, MEM_RELEASE);
    Pause(300);  // painted
}

bool Near(SIZE got, SIZE want) {
    return std::abs(got.cx - want.cx) <= 1 && std::abs(got.cy - want.cy) <= 1;
}

// How many rows of a control's inside hold dark pixels: its caption's ink,
// which grows with its font (the font handle itself can't be read from
// another process).
int InkRows(HWND control) {
    RECT r{};
    ::GetWindowRect(control, &r);
    // The middle half of the width, where the caption sits, clear of the
    // button's dark edges; and the rows inside its top and bottom edges.
    const int quarter = (r.right - r.left) / 4;
    constexpr int kEdge = 3;
    constexpr int kInk = 0xB0;  // clearly darker than the button's face, edges of glyphs too
    HDC screen = ::GetDC(nullptr);
    int rows = 0;
    for (int y = r.top + kEdge; y < r.bottom - kEdge; ++y) {
        for (int x = r.left + quarter; x < r.right - quarter; ++x) {
            const COLORREF c = ::GetPixel(screen, x, y);
            if (GetRValue(c) < kInk && GetGValue(c) < kInk && GetBValue(c) < kInk) {
                ++rows;
                break;
            }
        }
    }
    ::ReleaseDC(nullptr, screen);
    return rows;
}

// The caption's ink once the button is painted: some rows dark, not all (an
// area not yet drawn reads black), the same twice running.
int CaptionInk(HWND window, HWND control) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    RECT r{};
    ::GetWindowRect(control, &r);
    const int inside = r.bottom - r.top - 6;
    int ink = 0;
    int before = -1;
    EXPECT_TRUE(WaitFor([&] {
        before = ink;
        Pause(100);
        ink = InkRows(control);
        return ink > 0 && ink < inside && ink == before;  // painted, and done painting
    }));
    return ink;
}

// The program moved to a monitor of 144 dpi and back, as Windows tells it.
void FollowsTheMonitorsDpi(const Paths& paths) {
    InstallBrowserStub(paths.browserStub);
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    EXPECT_TRUE(Near(ClientSize(program.main()), SIZE{306, 89}));
    const HWND tray = program.Control(Id::cmdMini);
    const int inkAt96 = CaptionInk(program.main(), tray);

    SendDpiChanged(program, program.main(), 144, SIZE{459, 134});
    EXPECT_TRUE(Near(ClientSize(program.main()), SIZE{459, 134}));
    // 795 x 375 twips at 144 dpi, and its caption half as tall again.
    EXPECT_TRUE(Near(WindowSize(tray), SIZE{80, 38}));
    const int inkAt144 = CaptionInk(program.main(), tray);
    std::printf("caption ink rows: %d at 96 dpi, %d at 144 dpi\n", inkAt96, inkAt144);
    EXPECT_TRUE(inkAt96 > 0 && inkAt144 * 10 >= inkAt96 * 13 && inkAt144 * 10 <= inkAt96 * 17);
    // Still the same program: the check box saves, the hotkey pins.
    ::SendMessageW(program.Control(Id::CbAuto), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([] { return ReadFileBytes(kConfigPath) == " 119 \r\n 1 \r\n"; }));
    {
        TargetWindow target;
        EXPECT_TRUE(HoldKeyUntil(VK_F8, [&] { return target.Topmost(); }));
    }
    // In the tray, back at 96 dpi while hidden, and the shell restarted: the
    // icon is added again under the id the tray knows, never as a second.
    program.Click(Id::cmdMini);
    EXPECT_TRUE(WaitFor([&] { return InTray(program); }));
    SendDpiChanged(program, program.main(), 96, SIZE{306, 89});
    ::PostMessageW(program.main(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    Pause(300);
    EXPECT_TRUE(InTray(program));
    PostToIcon(TrayIcons().front(), WM_LBUTTONDOWN);
    EXPECT_TRUE(WaitFor([&] { return Shown(program); }));
    SendDpiChanged(program, program.main(), 96, SIZE{306, 89});
    EXPECT_TRUE(Near(ClientSize(program.main()), SIZE{306, 89}));
    EXPECT_TRUE(Near(WindowSize(tray), SIZE{53, 25}));

    const HWND about = OpenAbout(program);
    EXPECT_TRUE(Near(ClientSize(about), SIZE{531, 199}));
    SendDpiChanged(program, about, 144, SIZE{797, 299});
    EXPECT_TRUE(Near(ClientSize(about), SIZE{797, 299}));
    SendDpiChanged(program, about, 96, SIZE{531, 199});
    EXPECT_TRUE(Near(ClientSize(about), SIZE{531, 199}));
}

}  // namespace

void AddDpiScenarios(Registry& registry) {
    registry["dpi_120"] = ScalesWithTheDisplay;
    registry["dpi_change"] = FollowsTheMonitorsDpi;
}

}  // namespace e2e
