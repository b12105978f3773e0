// How a line of the settings file becomes a number: the leading-number
// conversion of the BASIC runtimes the file format comes from, floored, then
// narrowed to a 16-bit key code.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace settings {

// The longest leading part of text that reads as a number; 0 if none.
// Blanks, tabs and line feeds anywhere in the text are ignored.  Accepts an
// optional sign, digits, a decimal point with a fraction, an exponent (E or D),
// or &H hexadecimal / &O octal digits.  Nothing if the value overflows a double.
std::optional<double> LeadingNumber(std::string_view text);

// LeadingNumber, floored and narrowed to 16 bits; nothing when it doesn't fit.
std::optional<std::int16_t> ReadInteger16(std::string_view text);

}  // namespace settings
