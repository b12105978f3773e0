#include "platform/win32/Encoding_win.h"

#include <windows.h>

namespace platform::win {

std::wstring Widen(const std::string& utf8) {
    if (utf8.empty()) {
        return {};
    }
    const int n =
        ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

namespace {

std::string ToCodePage(UINT codePage, const std::wstring& wide) {
    if (wide.empty()) {
        return {};
    }
    const int n = ::WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()),
                                        nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    ::WideCharToMultiByte(codePage, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), n,
                          nullptr, nullptr);
    return bytes;
}

}  // namespace

std::string Narrow(const std::wstring& wide) {
    return ToCodePage(CP_UTF8, wide);
}

std::string ToAnsiCodePage(const std::string& utf8) {
    return ToCodePage(CP_ACP, Widen(utf8));
}

}  // namespace platform::win
