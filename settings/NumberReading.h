// A line of the settings file as BASIC's Val reads it.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace settings {

// Blanks ignored: sign, digits, fraction, exponent (E, D), or &H / &O digits;
// 0 if none, nothing if it overflows a double.
std::optional<double> LeadingNumber(std::string_view text);

// LeadingNumber, floored and narrowed to 16 bits; nothing when it doesn't fit.
std::optional<std::int16_t> ReadInteger16(std::string_view text);

}  // namespace settings
