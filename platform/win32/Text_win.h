// Text for real: the ANSI code page and the keyboard layout.  No state.
#pragma once

#include "platform/Text.h"

namespace platform::win {

class Win32Text final : public Text {
  public:
    std::optional<std::string> AnsiCharacter(std::uint8_t code) override;
    std::optional<std::string> KeyboardCharacter(int key) override;
    std::string ToAnsi(const std::string& text) override;
};

}  // namespace platform::win
