#include "platform/Picture_win.h"

#include <objidl.h>

#include <algorithm>
#include <memory>

namespace platform::win {
namespace {

// The few entry points of the flat GDI+ API that decoding needs.
struct GdiplusStartupInput {
    UINT32 GdiplusVersion = 1;
    void* DebugEventCallback = nullptr;
    BOOL SuppressBackgroundThread = FALSE;
    BOOL SuppressExternalCodecs = FALSE;
};
constexpr int kGdiplusOk = 0;
using GdiplusStartupFn = int(WINAPI*)(ULONG_PTR*, const GdiplusStartupInput*, void*);
using GdiplusShutdownFn = void(WINAPI*)(ULONG_PTR);
using CreateBitmapFromStreamFn = int(WINAPI*)(IStream*, void**);
using CreateHbitmapFromBitmapFn = int(WINAPI*)(void*, HBITMAP*, DWORD);
using DisposeImageFn = int(WINAPI*)(void*);
using CreateStreamOnHGlobalFn = HRESULT(WINAPI*)(HGLOBAL, BOOL, IStream**);

struct ComRelease {
    void operator()(IUnknown* p) const { p->Release(); }
};

// A stream over a copy of the resource's bytes.
std::unique_ptr<IStream, ComRelease> ResourceStream(const UniqueLibrary& ole32, int resourceId) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
    HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    const DWORD size = found ? ::SizeofResource(instance, found) : 0;
    const auto createStream = ProcAddress<CreateStreamOnHGlobalFn>(ole32, "CreateStreamOnHGlobal");
    if (!bytes || size == 0 || !createStream) {
        return nullptr;
    }
    HGLOBAL copy = ::GlobalAlloc(GMEM_MOVEABLE, size);
    if (!copy) {
        return nullptr;
    }
    std::copy_n(static_cast<const char*>(bytes), size, static_cast<char*>(::GlobalLock(copy)));
    ::GlobalUnlock(copy);
    IStream* stream = nullptr;
    if (FAILED(createStream(copy, TRUE, &stream))) {
        ::GlobalFree(copy);
        return nullptr;
    }
    return std::unique_ptr<IStream, ComRelease>(stream);
}

}  // namespace

UniqueBitmap LoadPictureResource(int resourceId) {
    const UniqueLibrary ole32(::LoadLibraryW(L"ole32.dll"));
    const UniqueLibrary gdiplus(::LoadLibraryW(L"gdiplus.dll"));
    const auto startup = ProcAddress<GdiplusStartupFn>(gdiplus, "GdiplusStartup");
    const auto shutdown = ProcAddress<GdiplusShutdownFn>(gdiplus, "GdiplusShutdown");
    const auto fromStream =
        ProcAddress<CreateBitmapFromStreamFn>(gdiplus, "GdipCreateBitmapFromStream");
    const auto toHbitmap =
        ProcAddress<CreateHbitmapFromBitmapFn>(gdiplus, "GdipCreateHBITMAPFromBitmap");
    const auto dispose = ProcAddress<DisposeImageFn>(gdiplus, "GdipDisposeImage");
    if (!startup || !shutdown || !fromStream || !toHbitmap || !dispose) {
        return UniqueBitmap();
    }
    const auto stream = ResourceStream(ole32, resourceId);
    if (!stream) {
        return UniqueBitmap();
    }
    ULONG_PTR token = 0;
    const GdiplusStartupInput input;
    if (startup(&token, &input, nullptr) != kGdiplusOk) {
        return UniqueBitmap();
    }
    HBITMAP result = nullptr;
    void* bitmap = nullptr;
    if (fromStream(stream.get(), &bitmap) == kGdiplusOk) {
        constexpr DWORD kOpaqueBlack = 0xFF000000;  // the GIF has no transparency
        if (toHbitmap(bitmap, &result, kOpaqueBlack) != kGdiplusOk) {
            result = nullptr;
        }
        dispose(bitmap);
    }
    shutdown(token);
    return UniqueBitmap(result);
}

}  // namespace platform::win
