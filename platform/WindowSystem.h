// The one door between the program's logic and the window system.
//
// Everything the main window's handlers do to the desktop, to their own
// controls, to the settings file or to other programs goes through this
// interface.  The Win32 implementation (WindowSystem_win.cpp) is the real
// thing; the unit tests run the very same handlers against a fake.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Form.h"

namespace platform {

// A window or icon handle, as the window system hands it out.
using Handle = std::uintptr_t;

// Colours are 0x00BBGGRR, as GDI's COLORREF.
using Colour = std::uint32_t;

enum class WindowState : int { Normal = 0, Minimised = 1, Maximised = 2 };

// Where SetWindowPos puts a window in the z-order.
enum class InsertAfter : std::intptr_t { Topmost = -1, Bottom = 1 };

// Extended-style bit of a window that stays on top of all others.
constexpr std::uint32_t kExStyleTopmost = 0x0008;

// SetWindowPos flags.
namespace swp {
constexpr std::uint32_t kNoSize = 0x0001;
constexpr std::uint32_t kNoMove = 0x0002;
constexpr std::uint32_t kNoActivate = 0x0010;
}  // namespace swp

// Shell_NotifyIconA messages and the fields of its record.
enum class TrayMessage : std::uint32_t { Add = 0, Modify = 1, Delete = 2 };
namespace nif {
constexpr std::uint32_t kMessage = 0x1;
constexpr std::uint32_t kIcon = 0x2;
constexpr std::uint32_t kTip = 0x4;
}  // namespace nif
constexpr std::size_t kTrayTipBytes = 64;

// The first, 88-byte ANSI layout of NOTIFYICONDATA, field by field.
struct TrayRecord {
    std::uint32_t cbSize = 0;
    Handle hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    Handle hIcon = 0;
    std::array<char, kTrayTipBytes> szTip{};
};

// Mouse messages as the window system numbers them.
namespace wm {
constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kLButtonDown = 0x0201;
constexpr std::uint32_t kLButtonUp = 0x0202;
constexpr std::uint32_t kLButtonDblClk = 0x0203;
constexpr std::uint32_t kRButtonDown = 0x0204;
constexpr std::uint32_t kRButtonUp = 0x0205;
constexpr std::uint32_t kRButtonDblClk = 0x0206;
}  // namespace wm

// A mouse-move event of the main window.  The tray icon's callback message is
// the mouse-move message too, so the message's own two parameters come along:
// a callback carries the icon's id in the first and the mouse message in the
// second.  Only the program knows which id it gave its icon, so the program,
// not the window system, tells the two apart (and never from coordinates,
// which depend on the display's DPI).
struct MouseMove {
    int button = 0;
    int shift = 0;
    float x = 0;  // twips
    float y = 0;  // twips
    std::uintptr_t wParam = 0;
    std::uintptr_t lParam = 0;
};

class WindowSystem {
  public:
    virtual ~WindowSystem() = default;

    // The keyboard and the other programs' windows.
    virtual std::int16_t GetAsyncKeyState(std::int32_t key) = 0;
    virtual Handle GetForegroundWindow() = 0;
    virtual std::uint32_t GetExtendedStyle(Handle window) = 0;
    virtual bool SetWindowPos(Handle window, InsertAfter where, std::uint32_t flags) = 0;

    // The notification area.
    virtual bool ShellNotifyIcon(TrayMessage message, const TrayRecord& record) = 0;

    // This program and its main window.
    virtual bool PreviousInstance() = 0;
    // Ends a start that must not go on: the main window goes away without its
    // unload event, so nothing is saved.
    virtual void EndInstance() = 0;
    virtual Handle MainWindow() = 0;
    virtual Handle MainIcon() = 0;
    virtual WindowState GetWindowState() = 0;
    // Raises the main window's resize event, as a real state change does.
    virtual void SetWindowState(WindowState state) = 0;
    virtual bool IsVisible() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void FocusMainWindow() = 0;

    // The controls of both windows.
    virtual std::string GetText(Control control) = 0;
    virtual void SetText(Control control, const std::string& text) = 0;
    virtual bool IsEnabled(Control control) = 0;
    virtual void SetEnabled(Control control, bool enabled) = 0;
    virtual void SetFocus(Control control) = 0;
    virtual int GetCheckValue(Control control) = 0;
    // Raises the check box's click event when the value changes.
    virtual void SetCheckValue(Control control, int value) = 0;
    virtual void SetForeColour(Control control, Colour colour) = 0;
    // OK button only, the application's title as caption; returns when dismissed.
    virtual void ShowMessage(const std::string& text) = 0;

    // The About window: loaded on demand, shown modeless and ownerless.
    virtual bool IsAboutLoaded() = 0;
    virtual void LoadAbout() = 0;
    virtual void ShowAbout() = 0;
    // Returns once every pending event has been handled.
    virtual void DoEvents() = 0;

    // Other programs.
    virtual bool StartProcess(const std::string& application, const std::string& commandLine) = 0;
    virtual bool OpenInDefaultBrowser(const std::string& url) = 0;

    // Text.  Strings inside the program are UTF-8.
    // The character of one byte of the ANSI code page, if that byte alone is
    // a whole character there (in GBK the bytes 0x81-0xFE only lead pairs).
    virtual std::optional<std::string> AnsiCharacter(std::uint8_t code) = 0;
    // The character the key types on the current keyboard layout, if any.
    virtual std::optional<std::string> KeyboardCharacter(int key) = 0;
    virtual std::string ToAnsi(const std::string& text) = 0;

    // Files.
    // True for an existing file with neither the hidden nor the system
    // attribute (and not a folder).
    virtual bool NormalFileExists(const std::string& path) = 0;
    // At most maxBytes from the start of the file; nothing if it can't be read.
    virtual std::optional<std::string> ReadFileHead(const std::string& path,
                                                    std::size_t maxBytes) = 0;
    // Replaces the whole file, so that it holds either the old or the new
    // content, never a part of the new one.  False if nothing could be written.
    virtual bool ReplaceFileContents(const std::string& path, const std::string& content) = 0;
};

}  // namespace platform
