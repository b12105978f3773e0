// RAII owners for the Win32 handles the program holds, and the few helpers
// every Win32 file of it uses.
#pragma once

#include <windows.h>

#include <utility>

#include "platform/Handle.h"

namespace platform::win {

inline HWND AsHwnd(Handle h) {
    return reinterpret_cast<HWND>(h);
}
inline Handle AsHandle(const void* p) {
    return reinterpret_cast<Handle>(p);
}

// One owner type per kind of handle, given back with Close; null is empty
// (CreateFile's INVALID_HANDLE_VALUE is made null where it is called).
template <class H, auto Close>
class Unique {
  public:
    Unique() = default;
    explicit Unique(H h) : h_(h) {}
    ~Unique() { reset(); }
    Unique(Unique&& other) noexcept : h_(std::exchange(other.h_, nullptr)) {}
    Unique& operator=(Unique&& other) noexcept {
        reset(std::exchange(other.h_, nullptr));
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    H get() const { return h_; }
    explicit operator bool() const { return h_ != nullptr; }
    void reset(H h = nullptr) {
        if (h_) {
            Close(h_);
        }
        h_ = h;
    }

  private:
    H h_ = nullptr;
};

using UniqueHandle = Unique<HANDLE, &::CloseHandle>;
using UniqueDesktop = Unique<HDESK, &::CloseDesktop>;  // opened, not GetThreadDesktop's
using UniqueLibrary = Unique<HMODULE, &::FreeLibrary>;
using UniqueWindow = Unique<HWND, &::DestroyWindow>;
using UniqueIcon = Unique<HICON, &::DestroyIcon>;
using UniqueFont = Unique<HFONT, &::DeleteObject>;
using UniqueBrush = Unique<HBRUSH, &::DeleteObject>;
using UniqueBitmap = Unique<HBITMAP, &::DeleteObject>;
using MemoryDC = Unique<HDC, &::DeleteDC>;  // CreateCompatibleDC's

// A window's device context, borrowed (GetDC) and given back (ReleaseDC).
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

// Selects an object into a DC for one scope.
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

// A DLL of the system's, by its full path in the system folder and never by
// bare name (platform/SystemLibrary.h says why).
UniqueLibrary LoadSystemLibrary(const wchar_t* name);

// The first thing the program does: whatever is loaded by name from then on,
// by the program or by Windows for it, is looked for in the system folder
// only, where Windows can say so (Windows 8, and 7 with KB2533623), and never
// in the current folder.  The DLLs the program imports are loaded before
// this: known DLLs, or common controls 6, which the manifest names.
void KeepDllSearchToTheSystemFolder();

// An entry point of a library loaded at run time; null when the library or
// the entry is missing.
template <class Fn>
Fn ProcAddress(HMODULE library, const char* name) {
    return library ? reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(library, name)))
                   : nullptr;
}
template <class Fn>
Fn ProcAddress(const UniqueLibrary& library, const char* name) {
    return ProcAddress<Fn>(library.get(), name);
}

// The program's icon resource at a size, drawn for that size where the
// resource has it, scaled from the nearest otherwise.
inline UniqueIcon LoadIconSized(int resource, int side) {
    return UniqueIcon(
        static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                        IMAGE_ICON, side, side, LR_DEFAULTCOLOR)));
}

}  // namespace platform::win
