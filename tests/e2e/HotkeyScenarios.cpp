// Choosing the hotkey with the set-hotkey button and the capture box.
#include "tests/e2e/Scenarios.h"

namespace e2e {
namespace {

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return info.hwndFocus;
}

bool InMenuMode(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info);
    return (info.flags & (GUI_INMENUMODE | GUI_SYSTEMMENUMODE)) != 0;
}

void TapKey(WORD vk) {
    KeyDown(vk);
    Pause(40);
    KeyUp(vk);
}

void StartCapturing(Program& program) {
    ::SetForegroundWindow(program.main());
    EXPECT_TRUE(WaitFor([&] { return ::GetForegroundWindow() == program.main(); }));
    program.Click(Id::cmdSetKey);
    EXPECT_TRUE(WaitFor([&] { return Text(program.Control(Id::cmdSetKey)) == L"确定"; }));
    EXPECT_TRUE(::IsWindowEnabled(program.Control(Id::Text1)) != FALSE);
    EXPECT_TRUE(WaitFor([&] { return FocusOf(program.main()) == program.Control(Id::Text1); }));
}

void ChoosesAKeyThatIsLiveAtOnce(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    StartCapturing(program);
    EXPECT_EQ(ReadFileBytes(kConfigPath),
              std::string(" 119 \r\n 0 \r\n"));  // saved at the first click

    TapKey('A');
    EXPECT_TRUE(WaitFor([&] { return Text(program.Control(Id::Text1)) == L"A"; }));

    // The new key works before it is confirmed, and F8 no longer does.
    TargetWindow target;
    HoldKeyFor(VK_F8, kThreePollsMs);
    EXPECT_TRUE(!target.Topmost());
    EXPECT_TRUE(HoldKeyUntil('A', [&] { return target.Topmost(); }));

    program.Click(Id::cmdSetKey);
    EXPECT_TRUE(WaitFor([&] { return Text(program.Control(Id::cmdSetKey)) == L"设置热键"; }));
    EXPECT_TRUE(!::IsWindowEnabled(program.Control(Id::Text1)));
    EXPECT_TRUE(WaitFor([] { return ReadFileBytes(kConfigPath) == " 65 \r\n 0 \r\n"; }));
}

void EmptyBoxIsAnInvalidKey(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    StartCapturing(program);
    ::DeleteFileW(kConfigPath);
    // As if the text had been cut with the mouse.
    ::SendMessageW(program.Control(Id::Text1), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    program.Click(Id::cmdSetKey);

    HWND box = nullptr;
    EXPECT_TRUE(WaitFor([&] {
        const auto boxes = TopLevelWindows(program.pid(), L"#32770");
        box = boxes.empty() ? nullptr : boxes.front();
        return box && ::IsWindowVisible(box);
    }));
    EXPECT_EQ(Text(box), std::wstring(L"Orvane窗口置顶工具V2.0"));
    bool found = false;
    for (HWND label : ChildWindows(box, L"Static")) {
        found = found || Text(label) == L"按键无效，请重新设置！";
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(ChildWindows(box, L"Button").size(), std::size_t{1});  // OK only

    ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitFor([&] { return !::IsWindow(box); }));
    EXPECT_EQ(Text(program.Control(Id::cmdSetKey)), std::wstring(L"确定"));
    EXPECT_TRUE(::IsWindowEnabled(program.Control(Id::Text1)) != FALSE);
    EXPECT_EQ(ReadFileBytes(kConfigPath), std::string("<missing>"));  // nothing saved
}

// Keys the window system would otherwise act on still reach the box.
void SpecialKeysCanBeChosen(const Paths& paths) {
    ::DeleteFileW(kConfigPath);
    Program program(paths.program);
    StartCapturing(program);
    const struct {
        WORD vk;
        std::wstring name;
    } keys[] = {
        {VK_TAB, L"\t"},     {VK_RETURN, L"\r"}, {VK_ESCAPE, L"\x1b"},
        {VK_SHIFT, L"\x10"}, {VK_MENU, L"\x12"}, {VK_F10, L"F10"},
        {VK_F5, L"F5"},      {VK_OEM_1, L";"},   {'7', L"7"},
    };
    for (const auto& key : keys) {
        TapKey(key.vk);
        EXPECT_TRUE(WaitFor([&] { return Text(program.Control(Id::Text1)) == key.name; }));
        EXPECT_TRUE(FocusOf(program.main()) == program.Control(Id::Text1));
        EXPECT_TRUE(!InMenuMode(program.main()));
        EXPECT_TRUE(Text(program.Control(Id::cmdSetKey)) == L"确定");
    }
    program.Click(Id::cmdSetKey);
    EXPECT_TRUE(WaitFor([] { return ReadFileBytes(kConfigPath) == " 55 \r\n 0 \r\n"; }));
}

}  // namespace

void AddHotkeyScenarios(Registry& registry) {
    registry["hotkey_capture"] = ChoosesAKeyThatIsLiveAtOnce;
    registry["hotkey_invalid"] = EmptyBoxIsAnInvalidKey;
    registry["hotkey_special_keys"] = SpecialKeysCanBeChosen;
}

}  // namespace e2e
