// RAII owners for the Win32 handles the program holds.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

#include "platform/Handle.h"

namespace platform::win {

// Between the roles' handles and Win32's.
inline HWND AsHwnd(Handle h) {
    return reinterpret_cast<HWND>(h);
}
inline Handle AsHandle(const void* p) {
    return reinterpret_cast<Handle>(p);
}
inline HICON AsHicon(IconHandle h) {
    return reinterpret_cast<HICON>(static_cast<std::uintptr_t>(h));
}
inline IconHandle AsIconHandle(HICON icon) {
    return IconHandle{reinterpret_cast<std::uintptr_t>(icon)};
}

// One owner type per kind of handle: Traits says what an empty one is and how
// to give one back.
template <class Traits>
class Unique {
  public:
    using Handle = typename Traits::Handle;
    Unique() = default;
    explicit Unique(Handle h) : h_(h) {}
    ~Unique() { reset(); }
    Unique(Unique&& other) noexcept : h_(std::exchange(other.h_, Traits::Empty())) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.h_, Traits::Empty()));
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Handle get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Empty(); }
    void reset(Handle h = Traits::Empty()) {
        if (h_ != Traits::Empty()) {
            Traits::Close(h_);
        }
        h_ = h;
    }

  private:
    Handle h_ = Traits::Empty();
};

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { ::CloseHandle(h); }
};
// CreateFile's failure value is INVALID_HANDLE_VALUE, not null.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::CloseHandle(h); }
};
struct FontTraits {
    using Handle = HFONT;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { ::DeleteObject(h); }
};
struct BrushTraits {
    using Handle = HBRUSH;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { ::DeleteObject(h); }
};
struct IconTraits {
    using Handle = HICON;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { ::DestroyIcon(h); }
};
struct LibraryTraits {
    using Handle = HMODULE;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { ::FreeLibrary(h); }
};

struct BitmapTraits {
    using Handle = HBITMAP;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { ::DeleteObject(h); }
};
// A memory device context of our own (CreateCompatibleDC).
struct MemoryDCTraits {
    using Handle = HDC;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { ::DeleteDC(h); }
};

// A window of the program's own that no form holds.
struct WindowTraits {
    using Handle = HWND;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { ::DestroyWindow(h); }
};

// A desktop opened by name or as the input desktop (not GetThreadDesktop's).
struct DesktopTraits {
    using Handle = HDESK;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { ::CloseDesktop(h); }
};

using UniqueHandle = Unique<KernelHandleTraits>;
using UniqueDesktop = Unique<DesktopTraits>;
using UniqueBitmap = Unique<BitmapTraits>;
using MemoryDC = Unique<MemoryDCTraits>;
using UniqueLibrary = Unique<LibraryTraits>;
using UniqueFile = Unique<FileHandleTraits>;
using UniqueFont = Unique<FontTraits>;
using UniqueBrush = Unique<BrushTraits>;
using UniqueIcon = Unique<IconTraits>;
using UniqueWindow = Unique<WindowTraits>;

// A DLL of the system's, by its full path in the system folder and never by
// bare name (SystemLibrary_win.cpp says why).
UniqueLibrary LoadSystemLibrary(const wchar_t* name);

// The program's icon resource at a size, drawn for that size where the
// resource has it (16, 20, 24, 32, 40, 48 and 64 pixels), scaled from the
// nearest otherwise.
inline UniqueIcon LoadIconSized(int resource, int side) {
    return UniqueIcon(
        static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                        IMAGE_ICON, side, side, LR_DEFAULTCOLOR)));
}

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

// A window's device context, borrowed (GetDC) and given back (ReleaseDC).
class WindowDC {
  public:
    explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~WindowDC() {
        if (dc_) {
            ::ReleaseDC(hwnd_, dc_);
        }
    }
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

}  // namespace platform::win
