#include "about/AboutWindow_win.h"

#include <objidl.h>

#include <algorithm>
#include <memory>
#include <string_view>

namespace about {
namespace {

using platform::win::FontDesign;
using platform::win::MemoryDC;
using platform::win::ProcAddress;
using platform::win::SelectObjectScope;
using platform::win::TwipsToPixels;
using platform::win::UniqueBitmap;
using platform::win::UniqueLibrary;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;  // a fixed dialog border

// Left, top, width, height in twips; the icon at its own size at the DPI.
constexpr POINT kPicIcon{6975, 180};
struct Label {
    FontDesign font;
    const wchar_t* text;
    RECT twips;
    bool wraps;  // the instructions, in the help colour; the others in the labels'
};
constexpr Label kLabels[] = {
    {{L"楷体", 120, FW_BOLD, false}, kAuthorCredit, {3375, 1170, 4965, 330}, false},
    {{L"隶书", 150, FW_BOLD, false}, kTitle, {3465, 270, 3885, 480}, false},
    {{L"幼圆", 90, FW_NORMAL, false}, kInstructions, {3645, 1800, 3855, 1155}, true},
};

RECT PixelsOf(const RECT& twips, int dpi) {
    const int left = TwipsToPixels(twips.left, dpi);
    const int top = TwipsToPixels(twips.top, dpi);
    return RECT{left, top, left + TwipsToPixels(twips.right, dpi),
                top + TwipsToPixels(twips.bottom, dpi)};
}

bool IsLatinWordChar(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// The instructions are broken between any two Chinese characters, not inside
// a Latin word: no control does that alike on Windows and Wine (DrawText
// breaks at blanks only, and this text starts with four).
void DrawLabel(HDC dc, const Label& label, const RECT& rect) {
    const std::wstring_view text = label.text;
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    std::size_t start = 0;
    for (int y = rect.top; start < text.size() && y < rect.bottom; y += metrics.tmHeight) {
        std::size_t end = text.size();
        if (label.wraps) {
            int fit = 0;
            SIZE size{};
            ::GetTextExtentExPointW(dc, text.data() + start, static_cast<int>(end - start),
                                    rect.right - rect.left, &fit, nullptr, &size);
            end = start + static_cast<std::size_t>(std::max(fit, 1));
            std::size_t back = end;
            while (end < text.size() && IsLatinWordChar(text[end]) && back > start + 1 &&
                   IsLatinWordChar(text[back - 1])) {
                --back;
            }
            end = back > start + 1 ? back : end;
        }
        RECT line = label.wraps ? RECT{rect.left, y, rect.right,
                                       std::min(y + metrics.tmHeight, rect.bottom)}
                                : rect;
        ::DrawTextW(dc, text.data() + start, static_cast<int>(end - start), &line,
                    DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
        start = end;
    }
}

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

// Decoded by GDI+, loaded for it alone, into a GDI bitmap; empty on failure.
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

}  // namespace

platform::win::WindowDesign AboutWindow::Design() const {
    return {kWindowClass, kCaption, kStyle, {7965, 2985}, std::nullopt, iconResource_};
}

void AboutWindow::Show(HWND mainWindow) {
    main_ = mainWindow;
    if (!hwnd_) {
        picture_ = LoadPictureResource(pictureResource_);
        if (!platform::win::CreateDesignedWindow(Design(), platform::win::WindowProcOf<AboutWindow>,
                                                 this)) {
            return;
        }
        ApplyDpi(platform::win::WindowDpi(hwnd_), nullptr);
    }
    ::ShowWindow(hwnd_, ::IsIconic(hwnd_) ? SW_RESTORE : SW_SHOWNORMAL);
    ::SetForegroundWindow(hwnd_);
    // Painted now (sent: no other event runs), before the browser starts.
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Everything from the twips again: the fonts, the icons at this DPI's sizes.
void AboutWindow::ApplyDpi(int dpi, const RECT* suggested) {
    dpi_ = dpi;
    icons_.Set(hwnd_, iconResource_, dpi);
    for (std::size_t i = 0; i < std::size(kLabels); ++i) {
        fonts_[i] = platform::win::MakeFont(kLabels[i].font, dpi);
    }
    platform::win::MoveToDpi(hwnd_, Design(), dpi, suggested);
}

LRESULT AboutWindow::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT paints everything
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            Paint(::BeginPaint(hwnd, &ps));
            ::EndPaint(hwnd, &ps);
            return 0;
        }
        case platform::win::kWmDpiChanged:
            ApplyDpi(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_DESTROY:
            if (!::IsWindow(main_)) {
                ::PostQuitMessage(0);
            }
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// The icon last, above the texts, as a picture box of its own would stand.
void AboutWindow::Paint(HDC dc) const {
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    const platform::win::UniqueBrush back(::CreateSolidBrush(colours_.back));
    ::FillRect(dc, &client, back.get());
    PaintPicture(dc);
    ::SetBkMode(dc, TRANSPARENT);
    for (std::size_t i = 0; i < std::size(kLabels); ++i) {
        const SelectObjectScope font(dc, fonts_[i].get());
        ::SetTextColor(dc, kLabels[i].wraps ? colours_.help : colours_.labels);
        DrawLabel(dc, kLabels[i], PixelsOf(kLabels[i].twips, dpi_));
    }
    const int side = platform::win::SystemMetricForDpi(SM_CXICON, dpi_);
    ::DrawIconEx(dc, TwipsToPixels(kPicIcon.x, dpi_), TwipsToPixels(kPicIcon.y, dpi_),
                 icons_.big.get(), side, side, 0, nullptr, DI_NORMAL);
}

// Pixel for pixel at the design DPI, scaled with the window at any other.
void AboutWindow::PaintPicture(HDC dc) const {
    if (!picture_) {
        return;
    }
    BITMAP info{};
    ::GetObjectW(picture_.get(), sizeof(info), &info);
    const MemoryDC source(::CreateCompatibleDC(dc));
    const SelectObjectScope selected(source.get(), picture_.get());
    const int width = ::MulDiv(info.bmWidth, dpi_, platform::win::kDesignDpi);
    const int height = ::MulDiv(info.bmHeight, dpi_, platform::win::kDesignDpi);
    if (width == info.bmWidth) {
        ::BitBlt(dc, 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
    } else {
        ::SetStretchBltMode(dc, HALFTONE);
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
        ::StretchBlt(dc, 0, 0, width, height, source.get(), 0, 0, info.bmWidth, info.bmHeight,
                     SRCCOPY);
    }
}

}  // namespace about
