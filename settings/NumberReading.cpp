#include "settings/ConfigFile.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace settings {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

// The value of a digit in the radix, or -1.
int DigitValue(char c, int radix) {
    const int value = IsDigit(c)                             ? c - '0'
                      : (Upper(c) >= 'A' && Upper(c) <= 'F') ? Upper(c) - 'A' + 10
                                                             : -1;
    return value < radix ? value : -1;
}

// &H1F or &O17: the digits of the radix that follow, as far as they go.
double RadixNumber(const std::string& s, int radix) {
    double value = 0;
    for (std::size_t pos = 2; pos < s.size() && DigitValue(s[pos], radix) >= 0; ++pos) {
        value = value * radix + DigitValue(s[pos], radix);
    }
    return value;
}

std::size_t SkipDigits(const std::string& s, std::size_t i, std::size_t& digits) {
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        ++digits;
    }
    return i;
}

// Sign, digits, fraction, exponent with a digit (D read as E).
std::string DecimalPrefix(const std::string& s) {
    std::size_t digits = 0;
    std::size_t i = SkipDigits(s, (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0, digits);
    if (i < s.size() && s[i] == '.') {
        i = SkipDigits(s, i + 1, digits);
    }
    if (digits == 0) {
        return {};
    }
    std::string number = s.substr(0, i);
    if (i < s.size() && (Upper(s[i]) == 'E' || Upper(s[i]) == 'D')) {
        const bool sign = i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-');
        std::size_t exponentDigits = 0;
        const std::size_t end = SkipDigits(s, i + 1 + (sign ? 1 : 0), exponentDigits);
        if (exponentDigits > 0) {  // appended: an operator+ would pull in more of libstdc++
            number += 'E';
            number.append(s, i + 1, end - i - 1);
        }
    }
    return number;
}

}  // namespace

std::optional<double> LeadingNumber(std::string_view text) {
    std::string s;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            s.push_back(c);
        }
    }
    double value = 0;
    if (s.size() >= 2 && s[0] == '&' && (Upper(s[1]) == 'H' || Upper(s[1]) == 'O')) {
        value = RadixNumber(s, Upper(s[1]) == 'H' ? 16 : 8);
    } else if (const std::string number = DecimalPrefix(s); !number.empty()) {
        // atof: the system C runtime's; strtod would link a static one (20 KB).
        value = std::atof(number.c_str());  // NOLINT(cert-err34-c)
    }
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int16_t> ReadInteger16(std::string_view text) {
    const std::optional<double> value = LeadingNumber(text);
    if (!value) {
        return std::nullopt;
    }
    const double floored = std::floor(*value);
    if (floored < std::numeric_limits<std::int16_t>::min() ||
        floored > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(floored);
}

}  // namespace settings
