// A system DLL loaded by the program: by bare name Windows would look first
// in the program's folder, which may be a downloads folder.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

namespace load {  // LoadLibraryEx's flags
// What the DLL loads is looked for in its own folder first.
constexpr std::uint32_t kWithAlteredSearchPath = 0x0008;
// The system folder alone: Windows 8, and 7 with KB2533623.
constexpr std::uint32_t kSearchSystem32 = 0x0800;
}  // namespace load

struct LibraryRequest {
    std::wstring path;  // empty: nothing is loaded
    std::uint32_t flags = 0;
    friend bool operator==(const LibraryRequest&, const LibraryRequest&) = default;
};

// Its full path, and what it loads from the system folder: only, or first.
inline LibraryRequest SystemLibrary(std::wstring_view systemFolder, std::wstring_view name,
                                    bool searchFlagsKnown) {
    if (systemFolder.empty()) {
        return {};
    }
    std::wstring path(systemFolder);
    if (path.back() != L'\\') {
        path += L'\\';
    }
    path += name;
    return {path, searchFlagsKnown ? load::kSearchSystem32 : load::kWithAlteredSearchPath};
}

}  // namespace platform
