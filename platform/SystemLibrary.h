// How the program asks Windows for a DLL of the system's that it loads
// itself (shell32, OLE, GDI+).  By bare name Windows would look in the
// program's own folder first, and a program run from a downloads folder sits
// beside whatever else was downloaded: a DLL there named like one of the
// system's would run inside the program.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// LoadLibraryEx's flags.
namespace load {
// What the DLL loads in turn is looked for in the DLL's own folder first.
constexpr std::uint32_t kWithAlteredSearchPath = 0x0008;
// The DLL and what it loads in turn come from the system folder alone.
// Windows 8 knows it, and Windows 7 with update KB2533623.
constexpr std::uint32_t kSearchSystem32 = 0x0800;
}  // namespace load

struct LibraryRequest {
    std::wstring path;  // empty: nothing is to be loaded
    std::uint32_t flags = 0;
    friend bool operator==(const LibraryRequest&, const LibraryRequest&) = default;
};

// The DLL by its full path in the system folder, never by bare name, and
// what it loads from there too: only from there where Windows knows the
// search flags, from there first where it doesn't.  Without the folder
// (GetSystemDirectory failed) nothing is loaded.
LibraryRequest SystemLibrary(std::wstring_view systemFolder, std::wstring_view name,
                             bool searchFlagsKnown);

}  // namespace platform
