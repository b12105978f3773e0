// Text as the system's code pages and keyboard layout see it.  Strings
// inside the program are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

class Text {
  public:
    virtual ~Text() = default;

    // The character of one byte of the ANSI code page, if that byte alone is
    // a whole character there (in GBK the bytes 0x81-0xFE only lead pairs).
    virtual std::optional<std::string> AnsiCharacter(std::uint8_t code) = 0;
    // The character the key types on the current keyboard layout, if any.
    virtual std::optional<std::string> KeyboardCharacter(int key) = 0;
    virtual std::string ToAnsi(const std::string& text) = 0;
};

}  // namespace platform
