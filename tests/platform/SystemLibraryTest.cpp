// The path and flags the program asks Windows for when it loads a DLL of
// the system's itself.
#include "platform/SystemLibrary.h"

#include <gtest/gtest.h>

namespace {

using platform::LibraryRequest;
namespace load = platform::load;

TEST(SystemLibraryTest, AlwaysTheSystemFoldersCopy) {
    const struct {
        const wchar_t* folder;  // as GetSystemDirectoryW gives it
        const wchar_t* name;
        bool searchFlagsKnown;
        LibraryRequest expected;
    } cases[] = {
        {L"C:\\Windows\\system32",
         L"gdiplus.dll",
         true,
         {L"C:\\Windows\\system32\\gdiplus.dll", load::kSearchSystem32}},
        // Windows 7 without KB2533623: the full path still, and the DLL's
        // own folder first for what it loads.
        {L"C:\\Windows\\system32",
         L"shell32.dll",
         false,
         {L"C:\\Windows\\system32\\shell32.dll", load::kWithAlteredSearchPath}},
        {L"D:\\WINNT\\System32\\",
         L"ole32.dll",
         true,
         {L"D:\\WINNT\\System32\\ole32.dll", load::kSearchSystem32}},
        // No folder: never the bare name, which Windows would search for.
        {L"", L"gdiplus.dll", true, {L"", 0}},
    };
    for (const auto& c : cases) {
        const LibraryRequest got = platform::SystemLibrary(c.folder, c.name, c.searchFlagsKnown);
        EXPECT_EQ(got.path, c.expected.path) << c.name;
        EXPECT_EQ(got.flags, c.expected.flags) << c.name;
    }
}

}  // namespace
