#include "tests/fakes/FakeText.h"

#include <iconv.h>

#include <map>

namespace fakes {
namespace {

constexpr const char* kAnsiCodePage = "GBK";

// What the punctuation keys (and the numpad's divide key) type on a US
// keyboard layout.
const std::map<int, std::string>& UsLayoutPunctuation() {
    static const std::map<int, std::string> table = {
        {186, ";"}, {187, "="},  {188, ","}, {189, "-"}, {190, "."}, {191, "/"}, {192, "`"},
        {219, "["}, {220, "\\"}, {221, "]"}, {222, "'"}, {111, "/"},  // the numpad's divide key
                                                                      // types "/", yet its code 111
                                                                      // is "o"
    };
    return table;
}

}  // namespace

std::optional<std::string> FakeText::Convert(const std::string& text, const char* from,
                                             const char* to) {
    iconv_t cd = ::iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        return std::nullopt;
    }
    std::string in = text;
    std::string out(text.size() * 4 + 4, '\0');
    char* inp = in.data();
    char* outp = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t rc = ::iconv(cd, &inp, &inLeft, &outp, &outLeft);
    ::iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

std::optional<std::string> FakeText::AnsiCharacter(std::uint8_t code) {
    return Convert(std::string(1, static_cast<char>(code)), kAnsiCodePage, "UTF-8");
}

std::optional<std::string> FakeText::KeyboardCharacter(int key) {
    const auto it = UsLayoutPunctuation().find(key);
    if (it == UsLayoutPunctuation().end()) {
        return std::nullopt;
    }
    return it->second;
}

}  // namespace fakes
