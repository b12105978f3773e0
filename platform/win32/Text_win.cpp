#include "platform/win32/Text_win.h"

#include <windows.h>

#include "platform/win32/Encoding_win.h"

namespace platform::win {
namespace {

// MapVirtualKey's translation of a virtual-key code to the character it types.
constexpr UINT kMapVirtualKeyToChar = 2;   // MAPVK_VK_TO_CHAR
constexpr UINT kDeadKeyBit = 0x80000000u;  // set by MapVirtualKey for dead keys

}  // namespace

std::optional<std::string> Win32Text::AnsiCharacter(std::uint8_t code) {
    if (::IsDBCSLeadByte(code)) {
        return std::nullopt;
    }
    const char byte = static_cast<char>(code);
    wchar_t wide = 0;
    if (::MultiByteToWideChar(CP_ACP, MB_ERR_INVALID_CHARS, &byte, 1, &wide, 1) != 1) {
        return std::nullopt;
    }
    return Narrow(std::wstring(1, wide));
}

std::optional<std::string> Win32Text::KeyboardCharacter(int key) {
    const UINT mapped =
        ::MapVirtualKeyW(static_cast<UINT>(key), kMapVirtualKeyToChar) & ~kDeadKeyBit;
    if (mapped == 0) {
        return std::nullopt;
    }
    return Narrow(std::wstring(1, static_cast<wchar_t>(mapped)));
}

std::string Win32Text::ToAnsi(const std::string& text) {
    return ToAnsiCodePage(text);
}

}  // namespace platform::win
