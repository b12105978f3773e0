#include "about/Picture_win.h"

#include <objidl.h>

#include <algorithm>
#include <memory>

namespace about {
namespace {

using platform::win::ProcAddress;
using platform::win::UniqueBitmap;
using platform::win::UniqueLibrary;

// The few entries of ole32 and of GDI+'s flat API that the decoding needs.
struct GdiplusStartupInput {
    UINT32 GdiplusVersion = 1;
    void* DebugEventCallback = nullptr;
    BOOL SuppressBackgroundThread = FALSE;
    BOOL SuppressExternalCodecs = FALSE;
};
using CreateStreamOnHGlobalFn = HRESULT(WINAPI*)(HGLOBAL, BOOL, IStream**);
using StartupFn = int(WINAPI*)(ULONG_PTR*, const GdiplusStartupInput*, void*);
using ShutdownFn = void(WINAPI*)(ULONG_PTR);
using CreateBitmapFromStreamFn = int(WINAPI*)(IStream*, void**);
using CreateHbitmapFromBitmapFn = int(WINAPI*)(void*, HBITMAP*, DWORD);
using DisposeImageFn = int(WINAPI*)(void*);
constexpr int kOk = 0;

struct ComRelease {
    void operator()(IUnknown* p) const { p->Release(); }
};

// A stream over a copy of the resource's bytes.
std::unique_ptr<IStream, ComRelease> ResourceStream(CreateStreamOnHGlobalFn createStream,
                                                    int resourceId) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const HRSRC found = ::FindResourceW(instance, MAKEINTRESOURCEW(resourceId), RT_RCDATA);
    const HGLOBAL loaded = found ? ::LoadResource(instance, found) : nullptr;
    const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
    const DWORD size = found ? ::SizeofResource(instance, found) : 0;
    const HGLOBAL copy = bytes && size ? ::GlobalAlloc(GMEM_MOVEABLE, size) : nullptr;
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
    const UniqueLibrary ole32 = platform::win::LoadSystemLibrary(L"ole32.dll");
    const UniqueLibrary gdiplus = platform::win::LoadSystemLibrary(L"gdiplus.dll");
    const auto createStream = ProcAddress<CreateStreamOnHGlobalFn>(ole32, "CreateStreamOnHGlobal");
    const auto startup = ProcAddress<StartupFn>(gdiplus, "GdiplusStartup");
    const auto shutdown = ProcAddress<ShutdownFn>(gdiplus, "GdiplusShutdown");
    const auto fromStream =
        ProcAddress<CreateBitmapFromStreamFn>(gdiplus, "GdipCreateBitmapFromStream");
    const auto toHbitmap =
        ProcAddress<CreateHbitmapFromBitmapFn>(gdiplus, "GdipCreateHBITMAPFromBitmap");
    const auto dispose = ProcAddress<DisposeImageFn>(gdiplus, "GdipDisposeImage");
    if (!createStream || !startup || !shutdown || !fromStream || !toHbitmap || !dispose) {
        return UniqueBitmap();
    }
    const auto stream = ResourceStream(createStream, resourceId);
    ULONG_PTR session = 0;
    const GdiplusStartupInput input;
    if (!stream || startup(&session, &input, nullptr) != kOk) {
        return UniqueBitmap();
    }
    HBITMAP bitmap = nullptr;
    void* image = nullptr;
    if (fromStream(stream.get(), &image) == kOk) {
        constexpr DWORD kOpaqueBlack = 0xFF000000;  // the GIF has no transparency
        if (toHbitmap(image, &bitmap, kOpaqueBlack) != kOk) {
            bitmap = nullptr;
        }
        dispose(image);
    }
    shutdown(session);  // the bitmap is GDI's, and outlives the session
    return UniqueBitmap(bitmap);
}

}  // namespace about
