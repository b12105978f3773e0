// Text as a Chinese Windows with a US keyboard layout sees it: GBK for the
// ANSI code page, converted with iconv.
#pragma once

#include <optional>
#include <string>

#include "app/KeyName.h"

namespace fakes {

class FakeText final : public app::Characters {
  public:
    std::optional<std::string> AnsiCharacter(std::uint8_t code) override;
    std::optional<std::string> KeyboardCharacter(int key) override;

    // Converts between encodings iconv knows ("UTF-8", "GBK", ...).
    static std::optional<std::string> Convert(const std::string& text, const char* from,
                                              const char* to);
};

}  // namespace fakes
