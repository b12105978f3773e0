#include "settings/NumberReading.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace settings {
namespace {

bool IsIgnoredBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char const c : text) {
        if (!IsIgnoredBlank(c)) {
            out.push_back(c);
        }
    }
    return out;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

int DigitValue(char c, int radix) {
    int value = -1;
    if (IsDigit(c)) {
        value = c - '0';
    } else if (Upper(c) >= 'A' && Upper(c) <= 'F') {
        value = Upper(c) - 'A' + 10;
    }
    return value < radix ? value : -1;
}

// &H1F or &O17: the digits of the radix that follow, as far as they go.
double RadixNumber(const std::string& s, std::size_t pos, int radix) {
    double value = 0;
    for (; pos < s.size(); ++pos) {
        const int digit = DigitValue(s[pos], radix);
        if (digit < 0) {
            break;
        }
        value = value * radix + digit;
    }
    return value;
}

// Length of the longest prefix of s that is a decimal number: sign, digits,
// point and fraction, exponent.  Zero if there is no digit at all.
std::size_t DecimalPrefixLength(const std::string& s) {
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t digits = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        ++digits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            ++digits;
        }
    }
    if (digits == 0) {
        return 0;
    }
    // An exponent counts only with at least one digit after its letter and sign.
    if (i < s.size() && (Upper(s[i]) == 'E' || Upper(s[i]) == 'D')) {
        std::size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            ++j;
        }
        if (j < s.size() && IsDigit(s[j])) {
            while (j < s.size() && IsDigit(s[j])) {
                ++j;
            }
            i = j;
        }
    }
    return i;
}

// The value of a whole decimal number, as checked above.  atof is strtod
// without the end pointer, and in the Windows build it is the system C
// runtime's own, where strtod would link a second, static conversion into
// the program (about 20 KB, a quarter of the release).
double DecimalValue(const std::string& number) {
    return std::atof(number.c_str());  // NOLINT(cert-err34-c): the text is a number, see above
}

}  // namespace

std::optional<double> LeadingNumber(std::string_view text) {
    const std::string s = WithoutBlanks(text);
    double value = 0;
    if (s.size() >= 2 && s[0] == '&' && (Upper(s[1]) == 'H' || Upper(s[1]) == 'O')) {
        value = RadixNumber(s, 2, Upper(s[1]) == 'H' ? 16 : 8);
    } else {
        std::string number = s.substr(0, DecimalPrefixLength(s));
        for (char& c : number) {
            if (Upper(c) == 'D') {
                c = 'E';
            }
        }
        value = number.empty() ? 0.0 : DecimalValue(number);
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
