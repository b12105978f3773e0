// What the executable carries: version block, manifest, icon, picture; and,
// for the 32-bit release, what kind of file it is and which DLLs it needs.
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

#include "tests/e2e/Scenarios.h"

namespace e2e {
namespace {

#pragma pack(push, 2)
struct IconDirEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

std::wstring VersionString(const std::vector<BYTE>& block, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\080404B0\\") + name;
    if (!::VerQueryValueW(block.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
        return L"<none>";
    }
    return std::wstring(value, length ? length - 1 : 0);
}

void CheckVersionBlock(const std::wstring& exe) {
    const DWORD size = ::GetFileVersionInfoSizeW(exe.c_str(), nullptr);
    EXPECT_TRUE(size > 0);
    std::vector<BYTE> block(size);
    EXPECT_TRUE(::GetFileVersionInfoW(exe.c_str(), 0, size, block.data()) != FALSE);
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    EXPECT_TRUE(::VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length) !=
                FALSE);
    EXPECT_EQ(fixed->dwFileVersionMS, DWORD{0x00020000});
    EXPECT_EQ(fixed->dwFileVersionLS, DWORD{0});
    EXPECT_EQ(fixed->dwProductVersionMS, DWORD{0x00020000});
    EXPECT_EQ(VersionString(block, L"CompanyName"), std::wstring(L"Orvane软件"));
    EXPECT_EQ(VersionString(block, L"ProductName"), std::wstring(L"Orvane置顶工具"));
    EXPECT_EQ(VersionString(block, L"FileVersion"), std::wstring(L"2.00"));
    EXPECT_EQ(VersionString(block, L"ProductVersion"), std::wstring(L"2.00"));
    EXPECT_EQ(VersionString(block, L"InternalName"), std::wstring(L"Orvane窗口置顶工具V2.0"));
    EXPECT_EQ(VersionString(block, L"OriginalFilename"),
              std::wstring(L"Orvane窗口置顶工具V2.0.exe"));
    WORD* translation = nullptr;
    EXPECT_TRUE(::VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**>(&translation), &length) != FALSE);
    EXPECT_EQ(translation[0], WORD{0x0804});
    EXPECT_EQ(translation[1], WORD{1200});
}

std::string Resource(HMODULE module, const wchar_t* type, int id) {
    HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (!found) {
        return {};
    }
    const char* bytes = static_cast<const char*>(::LockResource(::LoadResource(module, found)));
    return std::string(bytes, ::SizeofResource(module, found));
}

void CheckResources(const std::wstring& exe) {
    HMODULE module = ::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    EXPECT_TRUE(module != nullptr);
    const std::string manifest = Resource(module, RT_MANIFEST, 1);
    EXPECT_TRUE(manifest.find("Microsoft.Windows.Common-Controls") != std::string::npos);
    EXPECT_TRUE(manifest.find("version=\"6.0.0.0\"") != std::string::npos);
    EXPECT_TRUE(manifest.find("<dpiAware") != std::string::npos);
    // No execution level: file virtualisation must stay on for the settings file.
    EXPECT_TRUE(manifest.find("requestedExecutionLevel") == std::string::npos);
    EXPECT_TRUE(manifest.find("trustInfo") == std::string::npos);

    const std::string group = Resource(module, RT_GROUP_ICON, 1);
    EXPECT_TRUE(group.size() >= 6 + 2 * sizeof(IconDirEntry));
    // The two designed 16-colour images, then the same drawing for 125, 150
    // and 200 per cent as 32-bit PNG images.
    WORD count = 0;
    std::memcpy(&count, group.data() + 4, sizeof(count));
    std::vector<std::array<int, 3>> images;  // side, bits per pixel, PNG or not
    for (WORD i = 0; i < count; ++i) {
        IconDirEntry entry{};
        std::memcpy(&entry, group.data() + 6 + i * sizeof(entry), sizeof(entry));
        const std::string image = Resource(module, RT_ICON, entry.id);
        images.push_back({entry.width, entry.bitCount, image.rfind("\x89PNG", 0) == 0});
        // The system decodes each at its own size.
        std::vector<BYTE> bits(image.begin(), image.end());
        HICON icon = ::CreateIconFromResourceEx(bits.data(), static_cast<DWORD>(bits.size()), TRUE,
                                                0x00030000, entry.width, entry.width, 0);
        EXPECT_TRUE(icon != nullptr);
        if (icon) {
            ::DestroyIcon(icon);
        }
    }
    std::sort(images.begin(), images.end());
    const std::vector<std::array<int, 3>> expected = {
        {16, 4, 0}, {20, 32, 1}, {24, 32, 1}, {32, 4, 0}, {40, 32, 1}, {48, 32, 1}, {64, 32, 1}};
    EXPECT_TRUE(images == expected);

    const std::string gif = Resource(module, RT_RCDATA, 101);
    EXPECT_TRUE(gif.rfind("GIF8", 0) == 0);
    EXPECT_EQ(static_cast<int>(static_cast<BYTE>(gif[6]) | static_cast<BYTE>(gif[7]) << 8), 200);
    EXPECT_EQ(static_cast<int>(static_cast<BYTE>(gif[8]) | static_cast<BYTE>(gif[9]) << 8), 200);
    ::FreeLibrary(module);
}

// The PE headers and import table, read from the file itself.
struct PeFacts {
    WORD machine = 0;
    WORD subsystem = 0;
    std::vector<std::string> imports;
    std::size_t size = 0;
};

PeFacts ReadPe(const std::wstring& exe) {
    const std::string file = ReadFileBytes(exe);
    PeFacts facts;
    facts.size = file.size();
    const auto at = [&](std::size_t offset, auto value) {
        EXPECT_TRUE(offset + sizeof(value) <= file.size());
        std::memcpy(&value, file.data() + offset, sizeof(value));
        return value;
    };
    const DWORD pe = at(0x3C, DWORD{});
    EXPECT_TRUE(file.compare(pe, 4, std::string("PE\0\0", 4)) == 0);
    facts.machine = at(pe + 4, WORD{});
    const WORD sections = at(pe + 6, WORD{});
    const WORD optionalSize = at(pe + 20, WORD{});
    const std::size_t optional = pe + 24;
    facts.subsystem = at(optional + 68, WORD{});
    const bool pe32plus = at(optional, WORD{}) == 0x20B;
    const DWORD importRva = at(optional + (pe32plus ? 120 : 104), DWORD{});
    const auto rvaToOffset = [&](DWORD rva) -> std::size_t {
        for (WORD i = 0; i < sections; ++i) {
            const std::size_t header = optional + optionalSize + i * 40;
            const DWORD va = at(header + 12, DWORD{});
            const DWORD rawSize = at(header + 16, DWORD{});
            const DWORD raw = at(header + 20, DWORD{});
            if (rva >= va && rva < va + std::max(rawSize, at(header + 8, DWORD{}))) {
                return raw + (rva - va);
            }
        }
        return 0;
    };
    for (std::size_t d = rvaToOffset(importRva); at(d + 12, DWORD{}) != 0; d += 20) {
        facts.imports.emplace_back(file.c_str() + rvaToOffset(at(d + 12, DWORD{})));
    }
    return facts;
}

std::string Upper(std::string s) {
    for (char& c : s) {
        c = static_cast<char>(::toupper(static_cast<unsigned char>(c)));
    }
    return s;
}

void CheckRelease(const std::wstring& exe) {
    const PeFacts pe = ReadPe(exe);
    EXPECT_EQ(pe.machine, WORD{0x14C});  // i386
    EXPECT_EQ(pe.subsystem, WORD{IMAGE_SUBSYSTEM_WINDOWS_GUI});
    const std::vector<std::string> shipsWithWindows = {
        "KERNEL32.DLL", "USER32.DLL", "GDI32.DLL",  "SHELL32.DLL", "COMCTL32.DLL",
        "GDIPLUS.DLL",  "OLE32.DLL",  "MSVCRT.DLL", "IMM32.DLL",   "ADVAPI32.DLL",
    };
    std::string list;
    for (const std::string& dll : pe.imports) {
        list += dll + " ";
        EXPECT_TRUE(std::find(shipsWithWindows.begin(), shipsWithWindows.end(), Upper(dll)) !=
                    shipsWithWindows.end());
    }
    std::printf("release: %zu bytes, imports %s\n", pe.size, list.c_str());
}

void ExecutableCarriesItsResources(const Paths& paths) {
    for (const std::wstring& exe : {paths.product, paths.program}) {
        CheckVersionBlock(exe);
        CheckResources(exe);
    }
    CheckRelease(paths.product);
}

}  // namespace

void AddResourceScenarios(Registry& registry) {
    registry["resources"] = ExecutableCarriesItsResources;
}

}  // namespace e2e
