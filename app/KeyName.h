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
    // The character the key types on the current keyboard layout, if any.
    virtual std::optional<std::string> KeyboardCharacter(int key) = 0;
};

// "F1" … "F12"; else the ANSI character, the layout's, or the number (never
// an empty or broken character); nothing outside 0 to 255.
std::optional<std::string> KeyName(std::int16_t code, Characters& characters);

}  // namespace app
