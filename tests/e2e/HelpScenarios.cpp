// The help button, the About window, and the two web links.
#include "tests/e2e/Scenarios.h"

namespace e2e {
namespace {

constexpr const char* kProductPage = "https://shop.example.com/orvane/topmost-tool-v2.html";
constexpr const char* kShopPage = "https://shop.example.com/orvane/";
const std::string kBrowserCommand = "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\"  ";

// The contact line, in client pixels at 96 dpi: inside it, and beside it.
constexpr POINT kOnLink{20, 48};
constexpr POINT kOffLink{6, 80};

std::vector<std::string> BrowserStarts() {
    std::vector<std::string> lines;
    const std::string log = ReadFileBytes(kBrowserLog);
    if (log == "<missing>") {
        return lines;
    }
    std::size_t start = 0;
    for (std::size_t end; (end = log.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(log.substr(start, end - start));
    }
    return lines;
}

COLORREF ScreenPixel(HWND window, POINT client) {
    ::ClientToScreen(window, &client);
    HDC screen = ::GetDC(nullptr);
    const COLORREF colour = ::GetPixel(screen, client.x, client.y);
    ::ReleaseDC(nullptr, screen);
    return colour;
}

// Counts the label's pure red and pure blue pixels on the screen.
std::pair<int, int> LinkColours(const Program& program) {
    POINT origin{0, 0};
    ::ClientToScreen(program.main(), &origin);
    HDC screen = ::GetDC(nullptr);
    int red = 0;
    int blue = 0;
    for (int y = 42; y < 57; ++y) {
        for (int x = 15; x < 290; ++x) {
            const COLORREF c = ::GetPixel(screen, origin.x + x, origin.y + y);
            red += c == RGB(255, 0, 0);
            blue += c == RGB(0, 0, 255);
        }
    }
    ::ReleaseDC(nullptr, screen);
    return {red, blue};
}

void HelpShowsOneAboutWindowAndTheProductPage(const Paths& paths) {
    InstallBrowserStub(paths.browserStub);
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    const HWND about = OpenAbout(program);
    EXPECT_EQ(Text(about), std::wstring(L"关于Orvane窗口置顶工具"));
    EXPECT_EQ(ClientSize(about).cx, 531L);
    EXPECT_EQ(ClientSize(about).cy, 199L);
    const LONG style = ::GetWindowLongW(about, GWL_STYLE);
    EXPECT_TRUE((style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) == 0);
    EXPECT_TRUE(::GetWindow(about, GW_OWNER) == nullptr);
    // The picture is drawn: the diamond's yellow, left of the arrow's shaft.
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(about, POINT{65, 84}) == RGB(255, 255, 0); }));
    EXPECT_TRUE(WaitFor([] { return BrowserStarts().size() == 1; }));
    EXPECT_EQ(BrowserStarts()[0], kBrowserCommand + kProductPage);

    // Again: the same window, one more browser.
    program.Click(Id::Command1);
    EXPECT_TRUE(WaitFor([] { return BrowserStarts().size() == 2; }));
    EXPECT_TRUE(AboutWindow(program) == about);
    EXPECT_EQ(TopLevelWindows(program.pid(), app::facts::kAboutWindowClass).size(), std::size_t{1});

    // The main window stays usable while it is open.
    program.Click(Id::cmdSetKey);
    EXPECT_TRUE(WaitFor([&] { return Text(program.Control(Id::cmdSetKey)) == L"确定"; }));
    program.Click(Id::cmdSetKey);

    // Closed, it is made anew by the next click.
    ::PostMessageW(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(about); }));
    EXPECT_TRUE(program.Running());
    EXPECT_TRUE(OpenAbout(program) != nullptr);
}

void ContactLinkColoursAndOpensTheShop(const Paths& paths) {
    InstallBrowserStub(paths.browserStub);
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    ::SetForegroundWindow(program.main());
    Pause(300);
    EXPECT_TRUE(LinkColours(program).second > 20);  // blue at rest
    ::PostMessageW(program.main(), WM_MOUSEMOVE, 0, MAKELPARAM(kOnLink.x, kOnLink.y));
    EXPECT_TRUE(WaitFor(
        [&] { return LinkColours(program).first > 20 && LinkColours(program).second == 0; }));
    // Over a button the window hears nothing: the link stays red.
    ::PostMessageW(program.Control(Id::cmdMini), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    Pause(300);
    EXPECT_TRUE(LinkColours(program).first > 20);
    ::PostMessageW(program.main(), WM_MOUSEMOVE, 0, MAKELPARAM(kOffLink.x, kOffLink.y));
    EXPECT_TRUE(WaitFor(
        [&] { return LinkColours(program).second > 20 && LinkColours(program).first == 0; }));

    ::PostMessageW(program.main(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kOnLink.x, kOnLink.y));
    ::PostMessageW(program.main(), WM_LBUTTONUP, 0, MAKELPARAM(kOnLink.x, kOnLink.y));
    EXPECT_TRUE(WaitFor([] { return BrowserStarts().size() == 1; }));
    EXPECT_EQ(BrowserStarts()[0], kBrowserCommand + kShopPage);
    // A press that ends off the link is no click.
    ::PostMessageW(program.main(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(kOnLink.x, kOnLink.y));
    ::PostMessageW(program.main(), WM_LBUTTONUP, 0, MAKELPARAM(kOffLink.x, kOffLink.y));
    Pause(500);
    EXPECT_EQ(BrowserStarts().size(), std::size_t{1});
}

// Without the fixed browser, the default one opens the page.
void DefaultBrowserWhenTheFixedOneIsMissing(const Paths& paths) {
    InstallBrowserStub(paths.browserStub);
    ::DeleteFileW(kBrowser);
    HKEY key = nullptr;
    EXPECT_TRUE(::RegCreateKeyExW(HKEY_CLASSES_ROOT, L"https\\shell\\open\\command", 0, nullptr, 0,
                                  KEY_SET_VALUE, nullptr, &key, nullptr) == ERROR_SUCCESS);
    const std::wstring command = L"\"" + paths.browserStub + L"\" default %1";
    ::RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                     static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    ::RegCloseKey(key);

    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    OpenAbout(program);
    EXPECT_TRUE(WaitFor([] { return BrowserStarts().size() == 1; }, 8000));
    EXPECT_TRUE(BrowserStarts()[0].find(std::string("default ") + kProductPage) !=
                std::string::npos);
}

void ClosingTheMainWindowLeavesAboutOpen(const Paths& paths) {
    InstallBrowserStub(paths.browserStub);
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    const HWND about = OpenAbout(program);
    HWND main = program.main();
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(main); }));
    EXPECT_EQ(ReadFileBytes(kConfigPath), std::string(" 119 \r\n 0 \r\n"));
    Pause(300);
    EXPECT_TRUE(program.Running() && ::IsWindow(about));
    {
        // The lock went with the main window: a new start runs and shows its own.
        Program next(paths.program);
        EXPECT_TRUE(next.main() != main && ::IsWindowVisible(next.main()));
    }
    EXPECT_TRUE(::IsWindow(about));
    ::PostMessageW(about, WM_CLOSE, 0, 0);
    EXPECT_TRUE(::WaitForSingleObject(program.process(), 5000) == WAIT_OBJECT_0);
}

// The program run from a downloads folder that also holds a DLL named as
// GDI+, which the About window loads for its picture: the system's is
// loaded all the same.  Wine prefers its own DLLs to the folder's unless
// told otherwise; Windows looks in the program's folder first.
void PlantedDllIsNeverLoaded(const Paths& paths) {
    InstallBrowserStub(paths.browserStub);
    ::DeleteFileW(kConfigPath);
    constexpr const wchar_t* kMark = L"C:\\planted-dll-loaded";
    ::DeleteFileW(kMark);
    const std::wstring folder = L"C:\\Downloads";
    const std::wstring program = folder + L"\\program.exe";
    wchar_t driver[MAX_PATH] = L"";
    ::GetModuleFileNameW(nullptr, driver, MAX_PATH);
    std::wstring planted = driver;
    planted.replace(planted.find_last_of(L'\\') + 1, std::wstring::npos, L"planted.dll");
    ::CreateDirectoryW(folder.c_str(), nullptr);
    EXPECT_TRUE(::CopyFileW(paths.program.c_str(), program.c_str(), FALSE) != FALSE);
    EXPECT_TRUE(::CopyFileW(planted.c_str(), (folder + L"\\gdiplus.dll").c_str(), FALSE) != FALSE);
    // Wine's own override for that one program: the folder's DLL first.
    constexpr const wchar_t* kOverrides = L"Software\\Wine\\AppDefaults\\program.exe\\DllOverrides";
    EXPECT_TRUE(::RegSetKeyValueW(HKEY_CURRENT_USER, kOverrides, L"gdiplus", REG_SZ,
                                  L"native,builtin", sizeof(L"native,builtin")) == ERROR_SUCCESS);
    Program started(program);
    const HWND about = OpenAbout(started);
    EXPECT_TRUE(WaitFor([&] { return ScreenPixel(about, POINT{65, 84}) == RGB(255, 255, 0); }));
    EXPECT_EQ(ReadFileBytes(kMark), std::string("<missing>"));
}

}  // namespace

void AddHelpScenarios(Registry& registry) {
    registry["help_about"] = HelpShowsOneAboutWindowAndTheProductPage;
    registry["help_links"] = ContactLinkColoursAndOpensTheShop;
    registry["help_browser_fallback"] = DefaultBrowserWhenTheFixedOneIsMissing;
    registry["close_main_keeps_about"] = ClosingTheMainWindowLeavesAboutOpen;
    registry["planted_dll"] = PlantedDllIsNeverLoaded;
}

}  // namespace e2e
