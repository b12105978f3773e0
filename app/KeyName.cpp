#include "app/KeyName.h"

#include <cstdint>
#include <optional>
#include <string>

namespace app {

constexpr int kLastAnsiCode = 255;

std::optional<std::string> KeyName(std::int16_t code, Characters& characters) {
    if (code >= kVkF1 && code <= kVkF12) {
        std::string name = "F";
        name += std::to_string(code - kVkF1 + 1);
        return name;
    }
    if (code < 0 || code > kLastAnsiCode) {
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
