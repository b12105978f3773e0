// The text shown for a hotkey's key code.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "platform/Text.h"

namespace app {

constexpr std::int16_t kVkF1 = 112;
constexpr std::int16_t kVkF12 = 123;

// "F1" … "F12" for the function keys; otherwise the code's one character in
// the ANSI code page.  A code from 128 to 255 that is no whole character there
// (in GBK most of them only lead a pair) shows the character the key types on
// the keyboard layout instead, and failing that its number, so the box never
// shows an empty or broken character.  Nothing for codes outside 0 to 255.
std::optional<std::string> KeyName(std::int16_t code, platform::Text& text);

}  // namespace app
