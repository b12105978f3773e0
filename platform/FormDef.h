// Window definitions as data: the caption, size, colours and controls of a
// window, in twips, the way a form designer stores them.  The window system
// builds real windows from these at the display's DPI.
#pragma once

#include <cstdint>
#include <optional>

namespace platform {

enum class ControlKind { TextBox, Button, CheckBox, Label, PictureBox };

enum class Border {
    FixedSingle,  // caption, system menu and minimise box, not resizable
    FixedDialog,  // caption and system menu only
};

constexpr int kTwipsPerInch = 1440;
constexpr int kPointsPerInch = 72;

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// Character set 134, GB2312, for every font of the program.
constexpr std::uint8_t kCharsetGb2312 = 134;
constexpr int kWeightNormal = 400;
constexpr int kWeightBold = 700;

struct FontSpec {
    const char* face = nullptr;  // UTF-8
    int tenthsOfPoint = 90;
    int weight = kWeightNormal;
    bool underline = false;
};

// Controls that name no font get the form's default: 宋体 9 pt.
constexpr FontSpec kDefaultFormFont{"宋体", 90, kWeightNormal, false};

// The system's window-text colour rather than a fixed one.
constexpr std::uint32_t kWindowTextColour = 0x80000008;

struct ControlDef {
    int id = 0;  // the child-window id
    ControlKind kind = ControlKind::Label;
    const char* caption = "";  // UTF-8; empty for a picture
    TwipsRect rect{};
    std::optional<FontSpec> font{};  // none: the window's default font
    bool enabled = true;
    std::uint32_t foreColour = kWindowTextColour;
    std::optional<std::uint32_t> backColour{};  // none: transparent or default
    bool autoSize = false;                      // labels that size to their text
    bool wordWrap = false;                      // labels that wrap in their width
    bool textLeftOfBox = false;                 // check box drawn after its caption
};

struct FormDef {
    const wchar_t* className = L"";  // one window class per window
    const char* caption = "";        // UTF-8
    int clientWidth = 0;             // twips
    int clientHeight = 0;            // twips
    std::optional<int> left{};
    std::optional<int> top{};
    std::optional<std::uint32_t> backColour{};  // none: the dialog face colour
    Border border = Border::FixedSingle;
    std::optional<int> backgroundResource{};  // a GIF drawn at the top left
    const ControlDef* controls = nullptr;     // in tab order
    int controlCount = 0;
};

// Twips to pixels at a given DPI, rounded to the nearest pixel.
constexpr int TwipsToPixels(int twips, int dpi) {
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

}  // namespace platform
