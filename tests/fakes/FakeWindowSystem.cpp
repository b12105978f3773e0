#include "tests/fakes/FakeWindowSystem.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>

#include "app/MainForm.h"
#include "platform/Files.h"

namespace fakes {
namespace {

constexpr const char* kAnsiCodePage = "GBK";
constexpr std::int16_t kKeyDown = static_cast<std::int16_t>(0x8000);
constexpr std::int16_t kPressedSinceLastCall = 0x0001;

// What the punctuation keys (and the numpad's divide key) type on a US
// keyboard layout.
const std::map<int, std::string>& UsLayoutPunctuation() {
    static const std::map<int, std::string> table = {
        {186, ";"}, {187, "="},  {188, ","}, {189, "-"}, {190, "."}, {191, "/"}, {192, "`"},
        {219, "["}, {220, "\\"}, {221, "]"}, {222, "'"}, {111, "/"},  // the numpad's divide key
                                                                      // types "/", yet its code 111
                                                                      // is "o"
    };
    return table;
}

std::string Hex(platform::Handle h) {
    std::ostringstream out;
    out << std::hex << h;
    return out.str();
}

}  // namespace

FakeWindowSystem::FakeWindowSystem() {
    std::random_device seed;
    root_ = std::filesystem::temp_directory_path() /
            ("orvane-test-" + std::to_string(seed()) + std::to_string(seed()));
    std::filesystem::create_directories(root_);
    for (int i = 0; i < app::kFrmPos.controlCount; ++i) {
        const platform::ControlDef& c = app::kFrmPos.controls[i];
        const auto control = static_cast<app::Control>(c.id - app::facts::kFirstControlId);
        texts[control] = c.caption;
        enabled[control] = c.enabled;
        colours[control] = c.foreColour;
    }
    checks[app::Control::CbAuto] = 0;
}

FakeWindowSystem::~FakeWindowSystem() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::filesystem::path FakeWindowSystem::HostPath(const std::string& windowsPath) const {
    std::string name = windowsPath;
    std::replace(name.begin(), name.end(), '\\', '_');
    std::replace(name.begin(), name.end(), ':', '_');
    return root_ / name;
}

void FakeWindowSystem::WriteConfig(const std::string& bytes) {
    std::ofstream(HostPath(app::facts::kSettingsPath), std::ios::binary) << bytes;
}

std::optional<std::string> FakeWindowSystem::ReadConfig() const {
    std::ifstream in(HostPath(app::facts::kSettingsPath), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int FakeWindowSystem::Count(const std::string& prefix) const {
    return static_cast<int>(std::count_if(
        log.begin(), log.end(), [&](const std::string& s) { return s.rfind(prefix, 0) == 0; }));
}

std::int16_t FakeWindowSystem::GetAsyncKeyState(std::int32_t key) {
    log.push_back("GetAsyncKeyState " + std::to_string(key));
    if (keysDown.count(key)) {
        return kKeyDown;
    }
    return keysPressedBefore.erase(key) ? kPressedSinceLastCall : std::int16_t{0};
}

platform::Handle FakeWindowSystem::GetForegroundWindow() {
    log.push_back("GetForegroundWindow");
    return foreground;
}

std::uint32_t FakeWindowSystem::GetExtendedStyle(platform::Handle window) {
    log.push_back("GetExtendedStyle " + Hex(window));
    const auto it = exStyles.find(window);
    return it == exStyles.end() ? 0 : it->second;
}

bool FakeWindowSystem::SetWindowPos(platform::Handle window, platform::InsertAfter where,
                                    std::uint32_t flags) {
    log.push_back("SetWindowPos " + Hex(window) + " " + std::to_string(static_cast<int>(where)) +
                  " flags " + Hex(flags));
    const auto it = exStyles.find(window);
    if (it == exStyles.end()) {
        return false;  // no such window
    }
    if (where == platform::InsertAfter::Topmost) {
        it->second |= platform::kExStyleTopmost;
    } else {
        it->second &= ~platform::kExStyleTopmost;
    }
    return true;
}

bool FakeWindowSystem::ShellNotifyIcon(platform::TrayMessage message,
                                       const platform::TrayRecord& record) {
    const std::pair<platform::Handle, std::uint32_t> key{record.hWnd, record.uID};
    const bool shown = trayIcons.count(key) != 0;
    switch (message) {
        case platform::TrayMessage::Add:
            log.push_back("TrayAdd");
            trayAdds.push_back(record);
            if (shell == Shell::NotReady || shown) {
                return false;
            }
            trayIcons.insert(key);
            return shell == Shell::Ready;
        case platform::TrayMessage::Modify:
            log.push_back("TrayModify");
            return shell != Shell::NotReady && shown;
        case platform::TrayMessage::Delete:
            log.push_back("TrayDelete");
            trayDeletes.push_back(record);
            trayIcons.erase(key);
            return shown;
    }
    return false;
}

void FakeWindowSystem::EndInstance() {
    log.push_back("EndInstance");
    ended = true;
}

void FakeWindowSystem::SetWindowState(platform::WindowState state) {
    log.push_back("SetWindowState " + std::to_string(static_cast<int>(state)));
    if (state == state_) {
        return;
    }
    state_ = state;
    if (events_) {
        events_->Resize();
    }
}

void FakeWindowSystem::SetVisible(bool visible) {
    log.push_back(visible ? "Show" : "Hide");
    visible_ = visible;
}

void FakeWindowSystem::FocusMainWindow() {
    log.push_back("FocusMainWindow");
    mainFocused = true;
}

std::string FakeWindowSystem::GetText(app::Control control) {
    return texts[control];
}

void FakeWindowSystem::SetText(app::Control control, const std::string& text) {
    log.push_back("SetText " + std::to_string(static_cast<int>(control)) + " " + text);
    texts[control] = text;
}

bool FakeWindowSystem::IsEnabled(app::Control control) {
    return enabled[control];
}

void FakeWindowSystem::SetEnabled(app::Control control, bool on) {
    enabled[control] = on;
}

void FakeWindowSystem::SetFocus(app::Control control) {
    log.push_back("SetFocus " + std::to_string(static_cast<int>(control)));
    focused = control;
}

int FakeWindowSystem::GetCheckValue(app::Control control) {
    return checks[control];
}

void FakeWindowSystem::SetCheckValue(app::Control control, int value) {
    log.push_back("SetCheckValue " + std::to_string(value));
    const bool changed = checks[control] != value;
    checks[control] = value;
    if (changed && events_) {
        events_->Clicked(app::ControlId(control));
    }
}

void FakeWindowSystem::SetForeColour(app::Control control, app::Colour colour) {
    colours[control] = colour;
}

void FakeWindowSystem::ShowMessage(const std::string& text) {
    log.push_back("MessageBox " + text);
    messageBoxes.push_back(text);
}

void FakeWindowSystem::LoadAbout() {
    log.push_back("LoadAbout");
    aboutLoaded_ = true;
    ++aboutLoads;
}

void FakeWindowSystem::ShowAbout() {
    log.push_back("ShowAbout");
    aboutShown = aboutLoaded_;
    eventsPending = true;
}

void FakeWindowSystem::DoEvents() {
    log.push_back("DoEvents");
    eventsPending = false;
}

bool FakeWindowSystem::StartProcess(const std::string& application,
                                    const std::string& commandLine) {
    log.push_back("StartProcess " + application);
    atBrowserStarts.push_back({aboutShown, eventsPending});
    if (browserStarts) {
        startedCommandLines.push_back(commandLine);
    }
    return browserStarts;
}

bool FakeWindowSystem::OpenInDefaultBrowser(const std::string& url) {
    log.push_back("OpenInDefaultBrowser " + url);
    atBrowserStarts.push_back({aboutShown, eventsPending});
    defaultBrowserUrls.push_back(url);
    return true;
}

std::optional<std::string> FakeWindowSystem::Convert(const std::string& text, const char* from,
                                                     const char* to) {
    iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string in = text;
    std::string out(text.size() * 4 + 4, '\0');
    char* inp = in.data();
    char* outp = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t rc = ::iconv(cd, &inp, &inLeft, &outp, &outLeft);
    ::iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

std::optional<std::string> FakeWindowSystem::AnsiCharacter(std::uint8_t code) {
    return Convert(std::string(1, static_cast<char>(code)), kAnsiCodePage, "UTF-8");
}

std::optional<std::string> FakeWindowSystem::KeyboardCharacter(int key) {
    const auto it = UsLayoutPunctuation().find(key);
    if (it == UsLayoutPunctuation().end()) {
        return std::nullopt;
    }
    return it->second;
}

std::string FakeWindowSystem::ToAnsi(const std::string& text) {
    return Convert(text, "UTF-8", kAnsiCodePage).value_or("?");
}

bool FakeWindowSystem::NormalFileExists(const std::string& path) {
    const std::string host = HostPath(path).string();
    return hiddenFiles.count(host) == 0 && platform::files::NormalFileExists(host);
}

std::optional<std::string> FakeWindowSystem::ReadFileHead(const std::string& path,
                                                          std::size_t maxBytes) {
    log.push_back("ReadFileHead " + std::to_string(maxBytes));
    if (readsFail) {
        return std::nullopt;
    }
    return platform::files::ReadFileHead(HostPath(path).string(), maxBytes);
}

bool FakeWindowSystem::ReplaceFileContents(const std::string& path, const std::string& content) {
    log.push_back("ReplaceFileContents");
    return platform::files::ReplaceFileContents(HostPath(path).string(), content);
}

}  // namespace fakes
