// Key codes and the names the box shows for them: one table for the name
// rule itself, a key released in the capture box, and a key read from the
// settings file.  The fake's keyboard layout is a US one.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tests {

struct KeyNameCase {
    int code;
    std::optional<std::string> name;  // none: the code has no name
    // An input method's own key: named when read from the file, but its
    // key-up in the capture box changes nothing.
    bool ignoredByTheBox = false;
};

inline const std::vector<KeyNameCase>& KeyNameCases() {
    static const std::vector<KeyNameCase> cases = {
        // The function keys by name, F13 and beyond by character.
        {112, "F1"},
        {116, "F5"},
        {119, "F8"},
        {121, "F10"},
        {123, "F12"},
        {124, "|"},
        // The ANSI character comes before the layout's: the numpad's divide
        // key, 111, types "/" but is "o".
        {111, "o"},
        // Letters and digits are their own ASCII codes.
        {65, "A"},
        {90, "Z"},
        {48, "0"},
        {49, "1"},
        {57, "9"},
        // Control keys show their (unprintable) ANSI character: Shift is 16.
        {16, std::string(1, '\x10')},
        {13, "\r"},
        {32, " "},
        // Bytes that only lead a GBK pair: what the key types on the layout...
        {186, ";"},
        {192, "`"},
        {219, "["},
        {222, "'"},
        // ...and failing that, the number.
        // (229 is VK_PROCESSKEY, what an input method reports for a key it
        // takes: the capture box ignores it.)
        {229, "229", true},
        {255, "255"},
        // Codes outside 0 to 255 have no name.
        {256, std::nullopt},
        {300, std::nullopt},
        {-1, std::nullopt},
        {32767, std::nullopt},
    };
    return cases;
}

}  // namespace tests
