// RAII owners for Win32 handles, and helpers every Win32 file uses.
#pragma once

#include <windows.h>

#include <string>
#include <memory>
#include <type_traits>
#include <utility>

#include "platform/Desktop.h"

namespace platform::win {

inline HWND AsHwnd(Handle h) {
    return reinterpret_cast<HWND>(h);
}
inline Handle AsHandle(const void* p) {
    return reinterpret_cast<Handle>(p);
}

// Null is empty (CreateFile's INVALID_HANDLE_VALUE is made null where called).
template <auto Close>
struct CloseWith {
    template <class H>
    void operator()(H h) const {
        Close(h);
    }
};
template <class H, auto Close>
using Unique = std::unique_ptr<std::remove_pointer_t<H>, CloseWith<Close>>;

using UniqueHandle = Unique<HANDLE, &::CloseHandle>;
using UniqueDesktop = Unique<HDESK, &::CloseDesktop>;  // opened, not GetThreadDesktop's
using UniqueLibrary = Unique<HMODULE, &::FreeLibrary>;
using UniqueWindow = Unique<HWND, &::DestroyWindow>;
using UniqueIcon = Unique<HICON, &::DestroyIcon>;
using UniqueFont = Unique<HFONT, &::DeleteObject>;
using UniqueBrush = Unique<HBRUSH, &::DeleteObject>;
using UniqueBitmap = Unique<HBITMAP, &::DeleteObject>;
using MemoryDC = Unique<HDC, &::DeleteDC>;  // CreateCompatibleDC's

class WindowDC {
  public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDC() { ::ReleaseDC(hwnd_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND hwnd_;
    HDC dc_;
};

class SelectObjectScope {
  public:
    SelectObjectScope(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
    ~SelectObjectScope() { ::SelectObject(dc_, old_); }
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// By its full path in the system folder (platform/SystemLibrary.h).
UniqueLibrary LoadSystemLibrary(const wchar_t* name);

// The program's first step: from then on nothing is loaded from the current
// folder, and where Windows can say so only from the system folder (the
// imported DLLs came before: known DLLs, and the manifest's comctl32 6).
void KeepDllSearchToTheSystemFolder();

template <class Fn>
Fn ProcAddress(HMODULE library, const char* name) {
    return library ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(library, name)))
                   : nullptr;
}
template <class Fn>
Fn ProcAddress(const UniqueLibrary& library, const char* name) {
    return ProcAddress<Fn>(library.get(), name);
}

// Loaded at its first use, not at the program's start.
class LazyLibrary {
  public:
    explicit LazyLibrary(const wchar_t* name) : name_(name) {}
    template <class Fn>
    Fn Entry(const char* name) {  // null when the library or the entry is missing
        if (!std::exchange(tried_, true)) {
            library_ = LoadSystemLibrary(name_);
        }
        return ProcAddress<Fn>(library_, name);
    }
    bool Loaded() const { return static_cast<bool>(library_); }

  private:
    const wchar_t* name_;
    bool tried_ = false;
    UniqueLibrary library_;
};

bool HighContrastOn();

// Text at the edge of the Win32 API: the program keeps UTF-8.
std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

// Drawn for that size where the resource has it, else scaled.
inline UniqueIcon LoadIconSized(int resource, int side) {
    return UniqueIcon(
        static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                        IMAGE_ICON, side, side, LR_DEFAULTCOLOR)));
}

}  // namespace platform::win
