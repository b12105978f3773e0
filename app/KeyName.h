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
    // The character of one byte of the ANSI code page, if that byte alone is
    // a whole character there (in GBK the bytes 0x81-0xFE only lead pairs).
    virtual std::optional<std::string> AnsiCharacter(std::uint8_t code) = 0;
    // The character the key types on the current keyboard layout, if any.
    virtual std::optional<std::string> KeyboardCharacter(int key) = 0;
};

// "F1" … "F12" for the function keys; otherwise the code's one character in
// the ANSI code page.  A code from 128 to 255 that is no whole character there
// (in GBK most of them only lead a pair) shows the character the key types on
// the keyboard layout instead, and failing that its number, so the box never
// shows an empty or broken character.  Nothing for codes outside 0 to 255.
std::optional<std::string> KeyName(std::int16_t code, Characters& characters);

// The name as this system's code page and keyboard layout give it
// (KeyName_win.cpp).
std::optional<std::string> SystemKeyName(std::int16_t code);

}  // namespace app
