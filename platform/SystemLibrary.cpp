#include "platform/SystemLibrary.h"

#include <string>
#include <string_view>

namespace platform {

LibraryRequest SystemLibrary(std::wstring_view systemFolder, std::wstring_view name,
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
