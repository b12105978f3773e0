// Painting a form: the background, the picture, the labels (drawn by the
// window itself, so they are transparent, as a form designer's labels are),
// and the colours of the controls that have their own.
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/FormWindow_win.h"

namespace platform::win {
namespace {

// One WM_PAINT: BeginPaint and EndPaint.
class PaintScope {
  public:
    explicit PaintScope(HWND hwnd) : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &ps_)) {}
    ~PaintScope() { ::EndPaint(hwnd_, &ps_); }
    PaintScope(const PaintScope&) = delete;
    PaintScope& operator=(const PaintScope&) = delete;
    HDC dc() const { return dc_; }

  private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
};

// An off-screen bitmap to paint into, copied to the target in one go when
// the scope ends: no flicker.
class BufferedPaint {
  public:
    BufferedPaint(HDC target, const RECT& rect)
        : target_(target),
          rect_(rect),
          dc_(::CreateCompatibleDC(target)),
          bitmap_(::CreateCompatibleBitmap(target, rect.right, rect.bottom)),
          selected_(dc_.get(), bitmap_.get()) {}
    ~BufferedPaint() {
        ::BitBlt(target_, 0, 0, rect_.right, rect_.bottom, dc_.get(), 0, 0, SRCCOPY);
    }
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;
    HDC dc() const { return dc_.get(); }

  private:
    HDC target_;
    RECT rect_;
    MemoryDC dc_;
    UniqueBitmap bitmap_;
    SelectObjectScope selected_;  // undone first, then the bitmap and the DC go
};

// The system's window-text colour where the definition asks for it.
COLORREF ResolveColour(std::uint32_t colour) {
    return colour == kWindowTextColour ? ::GetSysColor(COLOR_WINDOWTEXT)
                                       : static_cast<COLORREF>(colour);
}

bool IsLatinWordChar(wchar_t c) {
    return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z');
}

// Breaks text into lines that fit width: between any two Chinese characters,
// and at blanks rather than inside a Latin word where the line allows it.
std::vector<std::wstring> WrapLines(HDC dc, const std::wstring& text, int width) {
    std::vector<std::wstring> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        int fit = 0;
        SIZE size{};
        ::GetTextExtentExPointW(dc, text.c_str() + start, static_cast<int>(text.size() - start),
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

}  // namespace

void FormWindow::OnPaint() {
    const PaintScope paint(hwnd_);
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    if (client.right > 0 && client.bottom > 0) {
        const BufferedPaint buffer(paint.dc(), client);
        Paint(buffer.dc(), client);
    }
}

void FormWindow::Paint(HDC dc, const RECT& client) {
    ::FillRect(dc, &client, backBrush_ ? backBrush_.get() : ::GetSysColorBrush(COLOR_BTNFACE));
    if (background_) {
        PaintPicture(dc, background_.get());
    }
    ::SetBkMode(dc, TRANSPARENT);
    for (const Item& item : items_) {
        if (item.def->kind == ControlKind::Label) {
            PaintLabel(dc, item);
        }
    }
    // A picture box is a window of its own: it stands above the labels.
    for (const Item& item : items_) {
        if (item.def->kind == ControlKind::PictureBox) {
            ::DrawIconEx(dc, item.rect.left, item.rect.top, bigIcon_.get(),
                         item.rect.right - item.rect.left, item.rect.bottom - item.rect.top, 0,
                         nullptr, DI_NORMAL);
        }
    }
}

// At the design DPI the picture is copied pixel for pixel; at any other it
// scales with the rest of the window.
void FormWindow::PaintPicture(HDC dc, HBITMAP picture) const {
    BITMAP info{};
    ::GetObjectW(picture, sizeof(info), &info);
    const MemoryDC source(::CreateCompatibleDC(dc));
    const SelectObjectScope selected(source.get(), picture);
    const int width = ::MulDiv(info.bmWidth, dpi_, kDesignDpi);
    const int height = ::MulDiv(info.bmHeight, dpi_, kDesignDpi);
    if (width == info.bmWidth) {
        ::BitBlt(dc, 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
    } else {
        ::SetStretchBltMode(dc, HALFTONE);
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
        ::StretchBlt(dc, 0, 0, width, height, source.get(), 0, 0, info.bmWidth, info.bmHeight,
                     SRCCOPY);
    }
}

void FormWindow::PaintLabel(HDC dc, const Item& item) {
    SelectObjectScope font(dc, item.font);
    ::SetTextColor(dc, ResolveColour(item.colour));
    RECT rect = item.rect;
    if (!item.def->wordWrap) {
        ::DrawTextW(dc, item.text.c_str(), static_cast<int>(item.text.size()), &rect,
                    DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
        return;
    }
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    int y = rect.top;
    for (const std::wstring& line : WrapLines(dc, item.text, rect.right - rect.left)) {
        if (y >= rect.bottom) {
            break;
        }
        RECT lineRect{rect.left, y, rect.right, std::min(y + metrics.tmHeight, rect.bottom)};
        ::DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &lineRect,
                    DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_TOP);
        y += metrics.tmHeight;
    }
}

LRESULT FormWindow::OnControlColour(HDC dc, HWND control) {
    for (const Item& item : items_) {
        if (item.hwnd == control && item.back) {
            ::SetBkColor(dc, item.backColour);
            ::SetTextColor(dc, ResolveColour(item.colour));
            return reinterpret_cast<LRESULT>(item.back.get());
        }
    }
    return ::DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(control));
}

void FormWindow::SetBackColour(std::uint32_t colour) {
    if (backColour_ == colour) {
        return;
    }
    backColour_ = colour;
    backBrush_.reset(::CreateSolidBrush(colour));
    Repaint();
}

void FormWindow::SetControlBackColour(int control, std::uint32_t colour) {
    Item* item = Find(control);
    if (!item || !item->back || item->backColour == colour) {
        return;
    }
    item->backColour = colour;
    item->back.reset(::CreateSolidBrush(colour));
    ::InvalidateRect(item->hwnd, nullptr, TRUE);
}

void FormWindow::Repaint() {
    ::InvalidateRect(hwnd_, nullptr, FALSE);
    for (const Item& item : items_) {
        if (item.hwnd) {
            ::InvalidateRect(item.hwnd, nullptr, TRUE);
        }
    }
}

}  // namespace platform::win
