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

// A GDI+ session, from GdiplusStartup to GdiplusShutdown, on a gdiplus.dll
// the caller loaded (and keeps loaded for longer).
class GdiplusSession {
  public:
    static constexpr int kOk = 0;

    explicit GdiplusSession(const UniqueLibrary& gdiplus)
        : shutdown_(ProcAddress<ShutdownFn>(gdiplus, "GdiplusShutdown")) {
        const auto startup = ProcAddress<StartupFn>(gdiplus, "GdiplusStartup");
        const Input input;
        if (!startup || !shutdown_ || startup(&token_, &input, nullptr) != kOk) {
            token_ = 0;
        }
    }
    ~GdiplusSession() {
        if (token_ != 0) {
            shutdown_(token_);
        }
    }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;
    explicit operator bool() const { return token_ != 0; }

  private:
    struct Input {
        UINT32 GdiplusVersion = 1;
        void* DebugEventCallback = nullptr;
        BOOL SuppressBackgroundThread = FALSE;
        BOOL SuppressExternalCodecs = FALSE;
    };
    using StartupFn = int(WINAPI*)(ULONG_PTR*, const Input*, void*);
    using ShutdownFn = void(WINAPI*)(ULONG_PTR);

    ShutdownFn shutdown_;
    ULONG_PTR token_ = 0;
};

// A GDI+ image of a session, disposed of with the session's own function.
class GdiplusImage {
  public:
    using DisposeFn = int(WINAPI*)(void*);
    explicit GdiplusImage(DisposeFn dispose) : dispose_(dispose) {}
    ~GdiplusImage() {
        if (image_) {
            dispose_(image_);
        }
    }
    GdiplusImage(const GdiplusImage&) = delete;
    GdiplusImage& operator=(const GdiplusImage&) = delete;
    void** out() { return &image_; }
    void* get() const { return image_; }

  private:
    DisposeFn dispose_;
    void* image_ = nullptr;
};

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
