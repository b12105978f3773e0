#include "platform/win32/Picture_win.h"

#include <objidl.h>

#include <algorithm>
#include <memory>

namespace platform::win {
namespace {

// The few entry points of the flat GDI+ API that decoding needs.
using CreateBitmapFromStreamFn = int(WINAPI*)(IStream*, void**);
using CreateHbitmapFromBitmapFn = int(WINAPI*)(void*, HBITMAP*, DWORD);
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
    const UniqueLibrary ole32 = LoadSystemLibrary(L"ole32.dll");
    const UniqueLibrary gdiplus = LoadSystemLibrary(L"gdiplus.dll");
    const auto fromStream =
        ProcAddress<CreateBitmapFromStreamFn>(gdiplus, "GdipCreateBitmapFromStream");
    const auto toHbitmap =
        ProcAddress<CreateHbitmapFromBitmapFn>(gdiplus, "GdipCreateHBITMAPFromBitmap");
    const auto dispose = ProcAddress<GdiplusImage::DisposeFn>(gdiplus, "GdipDisposeImage");
    if (!fromStream || !toHbitmap || !dispose) {
        return UniqueBitmap();
    }
    const auto stream = ResourceStream(ole32, resourceId);
    const GdiplusSession session(gdiplus);
    if (!stream || !session) {
        return UniqueBitmap();
    }
    GdiplusImage image(dispose);
    HBITMAP result = nullptr;
    constexpr DWORD kOpaqueBlack = 0xFF000000;  // the GIF has no transparency
    if (fromStream(stream.get(), image.out()) != GdiplusSession::kOk ||
        toHbitmap(image.get(), &result, kOpaqueBlack) != GdiplusSession::kOk) {
        return UniqueBitmap();
    }
    return UniqueBitmap(result);
}

}  // namespace platform::win
