// Text conversions at the edge of the Win32 API: the program keeps UTF-8.
#pragma once

#include <string>

namespace platform::win {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);
// To the ANSI code page (GBK on Chinese systems).
std::string ToAnsiCodePage(const std::string& utf8);

}  // namespace platform::win
