#include <windows.h>

#include "app/KeyName.h"
#include "platform/win32/Encoding_win.h"

namespace app {
namespace {

// Characters as this system's ANSI code page and keyboard layout see them.
class SystemCharacters final : public Characters {
  public:
    std::optional<std::string> AnsiCharacter(std::uint8_t code) override {
        const char byte = static_cast<char>(code);
        wchar_t wide = 0;
        if (::IsDBCSLeadByte(code) ||
            ::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) != 1) {
            return std::nullopt;
        }
        return platform::win::Narrow(std::wstring(1, wide));
    }
    std::optional<std::string> KeyboardCharacter(int key) override {
        constexpr UINT kToChar = 2;            // MAPVK_VK_TO_CHAR
        constexpr UINT kDeadKey = 0x80000000;  // set for dead keys
        const UINT typed = ::MapVirtualKeyW(static_cast<UINT>(key), kToChar) & ~kDeadKey;
        if (typed == 0) {
            return std::nullopt;
        }
        return platform::win::Narrow(std::wstring(1, static_cast<wchar_t>(typed)));
    }
};

}  // namespace

std::optional<std::string> SystemKeyName(std::int16_t code) {
    SystemCharacters characters;
    return KeyName(code, characters);
}

}  // namespace app
