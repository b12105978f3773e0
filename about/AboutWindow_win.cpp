#include "about/AboutWindow_win.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "about/About.h"
#include "about/Picture_win.h"

namespace about {
namespace {

using platform::win::FontDesign;
using platform::win::MemoryDC;
using platform::win::SelectObjectScope;
using platform::win::TwipsToPixels;

constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;  // a fixed dialog border

constexpr FontDesign kKaiTi12Bold{L"楷体", 120, FW_BOLD, false};
constexpr FontDesign kLiShu15Bold{L"隶书", 150, FW_BOLD, false};
constexpr FontDesign kYouYuan9{L"幼圆", 90, FW_NORMAL, false};

// Left, top, width, height in twips.
constexpr RECT kPicIcon{6975, 180, 0, 0};  // the icon's own size at the DPI
constexpr RECT kLblDescription{3375, 1170, 4965, 330};
constexpr RECT kLblTitle{3465, 270, 3885, 480};
constexpr RECT kLbHelp{3645, 1800, 3855, 1155};

RECT PixelsOf(const RECT& twips, int dpi) {
    const int left = TwipsToPixels(twips.left, dpi);
    const int top = TwipsToPixels(twips.top, dpi);
    return RECT{left, top, left + TwipsToPixels(twips.right, dpi),
                top + TwipsToPixels(twips.bottom, dpi)};
}

bool IsLatinWordChar(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// Lines that fit the width: broken between any two Chinese characters, and
// at blanks rather than inside a Latin word where the line allows it.  No
// control does this alike on Windows and Wine: DrawText's word break knows
// only blanks, and this text starts with four of them.
std::vector<std::wstring_view> WrapLines(HDC dc, std::wstring_view text, int width) {
    std::vector<std::wstring_view> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        int fit = 0;
        SIZE size{};
        ::GetTextExtentExPointW(dc, text.data() + start, static_cast<int>(text.size() - start),
                                width, &fit, nullptr, &size);
        std::size_t end = start + static_cast<std::size_t>(std::max(fit, 1));
        if (end < text.size() && IsLatinWordChar(text[end]) && IsLatinWordChar(text[end - 1])) {
            std::size_t back = end;
            while (back > start + 1 && IsLatinWordChar(text[back - 1])) {
                --back;
            }
            if (back > start + 1) {
                end = back;
            }
        }
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

void DrawLine(HDC dc, std::wstring_view text, RECT rect) {
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &rect,
                DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
}

void DrawWrapped(HDC dc, std::wstring_view text, const RECT& rect) {
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    int y = rect.top;
    for (const std::wstring_view line : WrapLines(dc, text, rect.right - rect.left)) {
        if (y >= rect.bottom) {
            break;
        }
        DrawLine(dc, line,
                 RECT{rect.left, y, rect.right, std::min(y + metrics.tmHeight, rect.bottom)});
        y += metrics.tmHeight;
    }
}

}  // namespace

platform::win::WindowDesign AboutWindow::Design() const {
    return {kWindowClass, kCaption, kStyle, {7965, 2985}, std::nullopt, iconResource_};
}

AboutWindow::~AboutWindow() {
    if (hwnd_) {
        ::DestroyWindow(hwnd_);
    }
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
    // Painted now, before the browser the caller starts next takes a while:
    // the paint is sent to this window, no other message is taken from the
    // queue, so no tick, click or close runs inside the caller.
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void AboutWindow::SetColours(const AboutColours& colours) {
    colours_ = colours;
    if (hwnd_) {
        ::InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

// At a new DPI the window lays itself out again from its twips: fonts made
// anew at their size, the icons at the sizes this DPI asks for.
void AboutWindow::ApplyDpi(int dpi, const RECT* suggested) {
    dpi_ = dpi;
    icons_.Set(hwnd_, iconResource_, dpi);
    titleFont_ = platform::win::MakeFont(kLiShu15Bold, dpi);
    creditFont_ = platform::win::MakeFont(kKaiTi12Bold, dpi);
    helpFont_ = platform::win::MakeFont(kYouYuan9, dpi);
    platform::win::MoveToDpi(hwnd_, Design(), dpi, suggested);
}

LRESULT AboutWindow::OnMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE:
            hwnd_ = hwnd;
            break;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT paints everything
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            const HDC dc = ::BeginPaint(hwnd, &ps);
            RECT client{};
            ::GetClientRect(hwnd, &client);
            Paint(dc, client);
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
        case WM_NCDESTROY:
            hwnd_ = nullptr;
            break;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

// The picture, the three texts over it, and the icon, which stands above
// them as a picture box of its own would.
void AboutWindow::Paint(HDC dc, const RECT& client) const {
    const platform::win::UniqueBrush back(::CreateSolidBrush(colours_.back));
    ::FillRect(dc, &client, back.get());
    PaintPicture(dc);
    ::SetBkMode(dc, TRANSPARENT);
    {
        const SelectObjectScope font(dc, creditFont_.get());
        ::SetTextColor(dc, colours_.labels);
        DrawLine(dc, kAuthorCredit, PixelsOf(kLblDescription, dpi_));
    }
    {
        const SelectObjectScope font(dc, titleFont_.get());
        DrawLine(dc, kTitle, PixelsOf(kLblTitle, dpi_));
    }
    {
        const SelectObjectScope font(dc, helpFont_.get());
        ::SetTextColor(dc, colours_.help);
        DrawWrapped(dc, kInstructions, PixelsOf(kLbHelp, dpi_));
    }
    const int side = platform::win::SystemMetricForDpi(SM_CXICON, dpi_);
    ::DrawIconEx(dc, TwipsToPixels(kPicIcon.left, dpi_), TwipsToPixels(kPicIcon.top, dpi_),
                 icons_.big.get(), side, side, 0, nullptr, DI_NORMAL);
}

// At the design DPI the picture is copied pixel for pixel; at any other it
// scales with the rest of the window.
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
