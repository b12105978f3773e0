// RAII owners for the Win32 handles the program holds.
#pragma once

#include <windows.h>
#include <objbase.h>

#include <utility>

namespace platform::win {

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

using UniqueHandle = Unique<KernelHandleTraits>;
using UniqueLibrary = Unique<LibraryTraits>;
using UniqueFile = Unique<FileHandleTraits>;
using UniqueFont = Unique<FontTraits>;
using UniqueBrush = Unique<BrushTraits>;
using UniqueIcon = Unique<IconTraits>;

// An entry point of a library loaded at run time; null when the library or
// the entry is missing.
template <class Fn>
Fn ProcAddress(const UniqueLibrary& library, const char* name) {
    return library ? reinterpret_cast<Fn>(
                         reinterpret_cast<void*>(::GetProcAddress(library.get(), name)))
                   : nullptr;
}

// COM on the calling thread, apartment-threaded, from the first Enter() to
// the owner's end.  ole32 is loaded then, not at the program's start.
class ComApartment {
  public:
    ComApartment() = default;
    ~ComApartment() {
        if (entered_) {
            if (const auto leave = ProcAddress<void(WINAPI*)()>(ole32_, "CoUninitialize")) {
                leave();
            }
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    void Enter() {
        if (entered_) {
            return;
        }
        ole32_.reset(::LoadLibraryW(L"ole32.dll"));
        using CoInitializeExFn = HRESULT(WINAPI*)(void*, DWORD);
        const auto enter = ProcAddress<CoInitializeExFn>(ole32_, "CoInitializeEx");
        // S_FALSE (already entered) must be left once too; a thread in
        // another apartment must not be.
        entered_ =
            enter && SUCCEEDED(enter(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    }

  private:
    UniqueLibrary ole32_;
    bool entered_ = false;
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
