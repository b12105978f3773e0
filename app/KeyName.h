// The text shown for a hotkey's key code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace app {

constexpr std::int16_t kVkF1 = 112;
constexpr std::int16_t kVkF12 = 123;

// Characters as the system's code page and keyboard layout see them (UTF-8).
class Characters {
  public:
    virtual ~Characters() = default;
    // If the byte alone is a whole character (in GBK 0x81-0xFE lead pairs).
    virtual std::optional<std::string> AnsiCharacter(std::uint8_t code) = 0;
    virtual std::optional<std::string> KeyboardCharacter(int key) = 0;
};

// "F1" … "F12"; else the ANSI character, the layout's, or the number (never
// an empty or broken character); nothing outside 0 to 255.
inline std::optional<std::string> KeyName(std::int16_t code, Characters& characters) {
    if (code >= kVkF1 && code <= kVkF12) {
        std::string name = "F";
        name += std::to_string(code - kVkF1 + 1);
        return name;
    }
    if (code < 0 || code > 255) {
        return std::nullopt;
    }
    if (std::optional<std::string> ansi =
            characters.AnsiCharacter(static_cast<std::uint8_t>(code))) {
        return ansi;
    }
    if (std::optional<std::string> typed = characters.KeyboardCharacter(code)) {
        return typed;
    }
    return std::to_string(code);
}

}  // namespace app
