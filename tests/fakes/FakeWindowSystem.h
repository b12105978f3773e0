// A window system in memory, for running the real handlers in unit tests.
//
// It behaves as the real one does where the handlers rely on it: setting the
// check box's value raises its click event, changing the window state raises
// the resize event (both through the program's own event router), topmost
// follows SetWindowPos.  Everything the handlers ask
// of it is written to a log, so tests can check what happened and in what
// order.  Files go to a real temporary folder.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <memory>

#include "app/EventRouter.h"
#include "app/Platform.h"

namespace fakes {

class FakeWindowSystem : public app::Platform {
  public:
    static constexpr platform::Handle kMainWindow = 0x10010;
    static constexpr platform::Handle kMainIcon = 0x20020;

    FakeWindowSystem();
    ~FakeWindowSystem() override;

    // The handlers that events go to, through the program's router.
    void Connect(app::FormEvents& form) { events_ = std::make_unique<app::EventRouter>(form); }

    // --- what the tests arrange -------------------------------------------
    std::set<int> keysDown;
    // Keys pressed since the last look (the low bit), not down now.
    std::set<int> keysPressedBefore;
    platform::Handle foreground = 0;
    std::map<platform::Handle, std::uint32_t> exStyles;
    bool previousInstance = false;
    // The shell at logon: not there yet (adds fail, no icon), or busy (adds
    // report failure, but the icon appears all the same).
    enum class Shell { Ready, NotReady, TimesOut };
    Shell shell = Shell::Ready;
    bool browserStarts = true;
    bool readsFail = false;             // files exist but can't be opened
    std::set<std::string> hiddenFiles;  // host paths that carry the hidden attribute
    // Where "C:\..." paths live on the host.
    std::filesystem::path HostPath(const std::string& windowsPath) const;
    void WriteConfig(const std::string& bytes);
    std::optional<std::string> ReadConfig() const;
    void CloseAbout() { aboutLoaded_ = aboutShown = false; }

    // --- what the tests observe -------------------------------------------
    std::vector<std::string> log;
    // Calls in the log that start with prefix.
    int Count(const std::string& prefix) const;
    std::vector<platform::TrayRecord> trayAdds;
    std::vector<platform::TrayRecord> trayDeletes;
    // The icons the shell shows, by (window, id).
    std::set<std::pair<platform::Handle, std::uint32_t>> trayIcons;
    std::vector<std::string> messageBoxes;
    std::vector<std::string> startedCommandLines;
    // Events wait until DoEvents; showing the About window makes one (its paint).
    bool eventsPending = false;
    bool aboutShown = false;
    // When each browser started: was the About window shown, and were events
    // still waiting (so it wasn't drawn yet)?
    struct AtBrowserStart {
        bool aboutShown;
        bool eventsPending;
    };
    std::vector<AtBrowserStart> atBrowserStarts;
    std::vector<std::string> defaultBrowserUrls;
    bool ended = false;
    int aboutLoads = 0;
    app::Control focused = app::Control::Command1;
    bool mainFocused = false;
    std::map<app::Control, std::string> texts;
    std::map<app::Control, bool> enabled;
    std::map<app::Control, int> checks;
    std::map<app::Control, app::Colour> colours;

    // --- app::Platform, every role -----------------------------------------
    std::int16_t GetAsyncKeyState(std::int32_t key) override;
    platform::Handle GetForegroundWindow() override;
    std::uint32_t GetExtendedStyle(platform::Handle window) override;
    bool SetWindowPos(platform::Handle window, platform::InsertAfter where,
                      std::uint32_t flags) override;
    bool ShellNotifyIcon(platform::TrayMessage message,
                         const platform::TrayRecord& record) override;
    bool PreviousInstance() override { return previousInstance; }
    void EndInstance() override;
    platform::Handle MainWindow() override { return kMainWindow; }
    platform::Handle MainIcon() override { return kMainIcon; }
    platform::WindowState GetWindowState() override { return state_; }
    void SetWindowState(platform::WindowState state) override;
    bool IsVisible() override { return visible_; }
    void SetVisible(bool visible) override;
    void FocusMainWindow() override;
    std::string GetText(app::Control control) override;
    void SetText(app::Control control, const std::string& text) override;
    bool IsEnabled(app::Control control) override;
    void SetEnabled(app::Control control, bool on) override;
    void SetFocus(app::Control control) override;
    int GetCheckValue(app::Control control) override;
    void SetCheckValue(app::Control control, int value) override;
    void SetForeColour(app::Control control, app::Colour colour) override;
    void ShowMessage(const std::string& text) override;
    bool IsAboutLoaded() override { return aboutLoaded_; }
    void LoadAbout() override;
    void ShowAbout() override;
    void DoEvents() override;
    bool StartProcess(const std::string& application, const std::string& commandLine) override;
    bool OpenInDefaultBrowser(const std::string& url) override;
    std::optional<std::string> AnsiCharacter(std::uint8_t code) override;
    std::optional<std::string> KeyboardCharacter(int key) override;
    std::string ToAnsi(const std::string& text) override;
    bool NormalFileExists(const std::string& path) override;
    std::optional<std::string> ReadFileHead(const std::string& path, std::size_t maxBytes) override;
    bool ReplaceFileContents(const std::string& path, const std::string& content) override;

    // Converts between UTF-8 and GBK, the ANSI code page of the target systems.
    static std::optional<std::string> Convert(const std::string& text, const char* from,
                                              const char* to);

  private:
    std::unique_ptr<platform::WindowEvents> events_;
    platform::WindowState state_ = platform::WindowState::Normal;
    bool visible_ = true;
    bool aboutLoaded_ = false;
    std::filesystem::path root_;
};

}  // namespace fakes
