#include "platform/Form_win.h"

#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <cstring>

#include "platform/Text_win.h"

namespace platform::win {
namespace {

constexpr int kControlIdBase = 100;
constexpr UINT_PTR kTextBoxSubclassId = 1;
constexpr int kDesignDpi = 96;
constexpr int kTenthsPerInch = kPointsPerInch * 10;
// Controls that name no font get the form's default: 宋体 9 pt.
constexpr FontSpec kDefaultFont{"宋体", 90, kWeightNormal, false};

constexpr DWORD StyleOf(Border border) {
    constexpr DWORD kFixed = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    return border == Border::FixedSingle ? (kFixed | WS_MINIMIZEBOX) : kFixed;
}
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

int ControlId(Control c) {
    return kControlIdBase + static_cast<int>(c);
}

COLORREF Resolve(std::uint32_t colour) {
    return colour == kWindowTextColour ? ::GetSysColor(COLOR_WINDOWTEXT)
                                       : static_cast<COLORREF>(colour);
}

int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
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

// An off-screen bitmap to paint into, copied to the window in one go.
class BufferedPaint {
  public:
    BufferedPaint(HDC target, const RECT& rect)
        : target_(target),
          rect_(rect),
          dc_(::CreateCompatibleDC(target)),
          bitmap_(::CreateCompatibleBitmap(target, rect.right, rect.bottom)),
          old_(::SelectObject(dc_, bitmap_)) {}
    ~BufferedPaint() {
        ::BitBlt(target_, 0, 0, rect_.right, rect_.bottom, dc_, 0, 0, SRCCOPY);
        ::SelectObject(dc_, old_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(dc_);
    }
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;
    HDC dc() const { return dc_; }

  private:
    HDC target_;
    RECT rect_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

}  // namespace

int CurrentShiftMask() {
    constexpr int kShift = 1;
    constexpr int kCtrl = 2;
    constexpr int kAlt = 4;
    int mask = 0;
    if (::GetKeyState(VK_SHIFT) < 0) {
        mask |= kShift;
    }
    if (::GetKeyState(VK_CONTROL) < 0) {
        mask |= kCtrl;
    }
    if (::GetKeyState(VK_MENU) < 0) {
        mask |= kAlt;
    }
    return mask;
}

FormWindow::FormWindow(const FormDef& def, FormHost& host, HICON bigIcon, HICON smallIcon)
    : def_(def), host_(host), bigIcon_(bigIcon), smallIcon_(smallIcon), dpi_(ScreenDpi()) {
    if (def_.backColour) {
        backBrush_.reset(::CreateSolidBrush(*def_.backColour));
    }
    if (def_.backgroundResource) {
        background_ = LoadPictureResource(*def_.backgroundResource);
    }
    Create();
}

FormWindow::~FormWindow() {
    if (hwnd_) {
        ::DestroyWindow(hwnd_);
    }
}

void FormWindow::Create() {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &FormWindow::WindowProc;
    wc.hInstance = instance;
    wc.hIcon = bigIcon_;
    wc.hIconSm = smallIcon_;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = def_.className;
    ::RegisterClassExW(&wc);  // fails harmlessly when the class exists already

    const DWORD style = StyleOf(def_.border);
    RECT frame{0, 0, TwipsToPixels(def_.clientWidth, dpi_), TwipsToPixels(def_.clientHeight, dpi_)};
    ::AdjustWindowRectEx(&frame, style, FALSE, kExStyle);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;

    // The stored position if there is one, else the middle of the screen;
    // either way the whole window stays on the work area.
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    int x = def_.left ? TwipsToPixels(*def_.left, dpi_) : (work.left + work.right - width) / 2;
    int y = def_.top ? TwipsToPixels(*def_.top, dpi_) : (work.top + work.bottom - height) / 2;
    x = std::max(static_cast<int>(work.left), std::min(x, static_cast<int>(work.right) - width));
    y = std::max(static_cast<int>(work.top), std::min(y, static_cast<int>(work.bottom) - height));

    ::CreateWindowExW(kExStyle, def_.className, Widen(def_.caption).c_str(), style, x, y, width,
                      height, nullptr, nullptr, instance, this);
    if (!hwnd_) {
        return;
    }
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    defaultFont_ = CreateFormFont(kDefaultFont);
    CreateControls();
    Layout();
}

UniqueFont FormWindow::CreateFormFont(const FontSpec& font) const {
    return UniqueFont(::CreateFontW(-::MulDiv(font.tenthsOfPoint, dpi_, kTenthsPerInch), 0, 0, 0,
                                    font.weight, FALSE, font.underline, FALSE, kCharsetGb2312,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, Widen(font.face).c_str()));
}

// Controls with the same font share one: each font made costs a lookup of
// the face and its realisation.
HFONT FormWindow::FontFor(const std::optional<FontSpec>& font) {
    if (!font) {
        return defaultFont_.get();
    }
    for (const auto& [known, made] : fonts_) {
        if (std::strcmp(known.face, font->face) == 0 &&
            known.tenthsOfPoint == font->tenthsOfPoint && known.weight == font->weight &&
            known.underline == font->underline) {
            return made.get();
        }
    }
    fonts_.emplace_back(*font, CreateFormFont(*font));
    return fonts_.back().second.get();
}

void FormWindow::CreateControls() {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    items_.reserve(static_cast<std::size_t>(def_.controlCount));
    for (int i = 0; i < def_.controlCount; ++i) {
        const ControlDef& c = def_.controls[i];
        Item item;
        item.def = &c;
        item.text = Widen(c.caption);
        item.colour = c.foreColour;
        item.font = FontFor(c.font);

        const wchar_t* windowClass = nullptr;
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        DWORD exStyle = 0;
        switch (c.kind) {
            case ControlKind::TextBox:
                windowClass = WC_EDITW;
                style |= ES_AUTOHSCROLL;
                exStyle = WS_EX_CLIENTEDGE;
                break;
            case ControlKind::Button:
                windowClass = WC_BUTTONW;
                style |= BS_PUSHBUTTON;
                break;
            case ControlKind::CheckBox:
                windowClass = WC_BUTTONW;
                style |= BS_AUTOCHECKBOX | (c.textLeftOfBox ? BS_LEFTTEXT : 0);
                break;
            case ControlKind::Label:
            case ControlKind::PictureBox:
                break;  // drawn by the form
        }
        if (windowClass) {
            item.hwnd = ::CreateWindowExW(
                exStyle, windowClass, item.text.c_str(), style, 0, 0, 0, 0, hwnd_,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(c.id))), instance, nullptr);
            ::SendMessageW(item.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(item.font), FALSE);
            ::EnableWindow(item.hwnd, c.enabled);
            if (c.kind == ControlKind::TextBox) {
                // The box captures keys, not text: an input method (on by
                // default on Chinese systems) would hand it VK_PROCESSKEY
                // instead of the key that was pressed.
                ::ImmAssociateContext(item.hwnd, nullptr);
                ::SetWindowSubclass(item.hwnd, &FormWindow::TextBoxProc, kTextBoxSubclassId,
                                    reinterpret_cast<DWORD_PTR>(this));
            }
        }
        items_.push_back(std::move(item));
    }
}

RECT FormWindow::PixelRect(const TwipsRect& t) const {
    const int left = TwipsToPixels(t.left, dpi_);
    const int top = TwipsToPixels(t.top, dpi_);
    return RECT{left, top, left + TwipsToPixels(t.width, dpi_),
                top + TwipsToPixels(t.height, dpi_)};
}

void FormWindow::Layout() {
    for (Item& item : items_) {
        item.rect = PixelRect(item.def->rect);
        if (item.def->kind == ControlKind::PictureBox) {
            // Sized to its picture: the icon at its design size, scaled.
            const int side = ::MulDiv(::GetSystemMetrics(SM_CXICON), dpi_, kDesignDpi);
            item.rect.right = item.rect.left + side;
            item.rect.bottom = item.rect.top + side;
        }
        if (item.def->autoSize) {
            SizeLabel(item);
        }
        if (item.hwnd) {
            ::MoveWindow(item.hwnd, item.rect.left, item.rect.top, item.rect.right - item.rect.left,
                         item.rect.bottom - item.rect.top, FALSE);
        }
    }
}

void FormWindow::SizeLabel(Item& item) {
    HDC dc = ::GetDC(hwnd_);
    {
        SelectObjectScope font(dc, item.font);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, item.text.c_str(), static_cast<int>(item.text.size()), &size);
        item.rect.right = item.rect.left + size.cx;
        item.rect.bottom = item.rect.top + size.cy;
    }
    ::ReleaseDC(hwnd_, dc);
}

const FormWindow::Item* FormWindow::Find(Control control) const {
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [control](const Item& i) { return i.def->id == control; });
    return it == items_.end() ? nullptr : &*it;
}

FormWindow::Item* FormWindow::Find(Control control) {
    return const_cast<Item*>(std::as_const(*this).Find(control));
}

HWND FormWindow::ControlWindow(Control control) const {
    const Item* item = Find(control);
    return item ? item->hwnd : nullptr;
}

std::string FormWindow::GetText(Control control) const {
    const Item* item = Find(control);
    if (!item) {
        return {};
    }
    if (!item->hwnd) {
        return Narrow(item->text);
    }
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(item->hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(item->hwnd, text.data(), static_cast<int>(text.size()))));
    return Narrow(text);
}

void FormWindow::SetText(Control control, const std::string& text) {
    Item* item = Find(control);
    if (!item) {
        return;
    }
    item->text = Widen(text);
    if (item->hwnd) {
        ::SetWindowTextW(item->hwnd, item->text.c_str());
        return;
    }
    ::InvalidateRect(hwnd_, &item->rect, FALSE);
    if (item->def->autoSize) {
        SizeLabel(*item);
    }
    ::InvalidateRect(hwnd_, &item->rect, FALSE);
}

void FormWindow::SetForeColour(Control control, std::uint32_t colour) {
    Item* item = Find(control);
    if (!item || item->colour == colour) {
        return;  // repainting on every mouse move would only flicker
    }
    item->colour = colour;
    if (item->hwnd) {
        ::InvalidateRect(item->hwnd, nullptr, TRUE);
    } else {
        ::InvalidateRect(hwnd_, &item->rect, FALSE);
    }
}

void FormWindow::FocusFirstControl() {
    HWND first = ::GetNextDlgTabItem(hwnd_, nullptr, FALSE);
    ::SetFocus(first ? first : hwnd_);
}

void FormWindow::RestoreFocus() {
    if (lastFocus_ && ::IsWindow(lastFocus_) && ::IsWindowEnabled(lastFocus_)) {
        ::SetFocus(lastFocus_);
    } else {
        FocusFirstControl();
    }
}

bool FormWindow::PreTranslate(MSG& msg) {
    return hwnd_ && (msg.hwnd == hwnd_ || ::IsChild(hwnd_, msg.hwnd)) &&
           ::IsDialogMessageW(hwnd_, &msg);
}

const FormWindow::Item* FormWindow::LabelAt(POINT point) const {
    for (const Item& item : items_) {
        if (item.def->kind == ControlKind::Label && ::PtInRect(&item.rect, point)) {
            return &item;
        }
    }
    return nullptr;
}

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    FormWindow* self = nullptr;
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        self = static_cast<FormWindow*>(create->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<FormWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!self) {
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT paints everything, buffered
        case WM_PAINT:
            OnPaint();
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
            return OnControlColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == hwnd_ &&
                OnSetCursor()) {
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE: {
            const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            const Item* label = LabelAt(point);
            host_.OnMouseMove(*this, label ? std::optional(label->def->id) : std::nullopt, wParam,
                              lParam);
            return 0;
        }
        case WM_LBUTTONDOWN:
            OnLButtonDown(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_LBUTTONUP:
            OnLButtonUp(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && lParam) {
                for (const Item& item : items_) {
                    if (item.hwnd == reinterpret_cast<HWND>(lParam)) {
                        host_.OnClick(*this, item.def->id);
                    }
                }
                return 0;
            }
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus && ::IsChild(hwnd_, focus)) {
                    lastFocus_ = focus;
                }
            } else {
                RestoreFocus();
            }
            return 0;
        case WM_SIZE:
            host_.OnResize(*this);
            return 0;
        case WM_TIMER:
            host_.OnTimer(*this);
            return 0;
        case WM_CLOSE:
            host_.OnClose(*this);
            return 0;
        case WM_DESTROY:
            host_.OnDestroyed(*this);
            return 0;
        default:
            break;
    }
    LRESULT result = 0;
    if (host_.OnOtherMessage(*this, message, wParam, lParam, result)) {
        return result;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK FormWindow::TextBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR /*id*/, DWORD_PTR self) {
    return reinterpret_cast<FormWindow*>(self)->HandleTextBoxMessage(hwnd, message, wParam, lParam);
}

// The capture box wants every key a user can press: Tab, Enter and Escape
// must not move the focus or press a button, and Alt or F10 must not open
// the system menu, so that each of them can become the hotkey.  Its text is
// only ever the key's name, never what the key types.
LRESULT FormWindow::HandleTextBoxMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_GETDLGCODE:
            return ::DefSubclassProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
        case WM_KEYUP:
        case WM_SYSKEYUP:
            for (const Item& item : items_) {
                if (item.hwnd == hwnd) {
                    host_.OnKeyUp(*this, item.def->id, static_cast<int>(wParam),
                                  CurrentShiftMask());
                }
            }
            return 0;
        case WM_CHAR:
        case WM_SYSCHAR:
            return 0;
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(hwnd, &FormWindow::TextBoxProc, kTextBoxSubclassId);
            break;
        default:
            break;
    }
    return ::DefSubclassProc(hwnd, message, wParam, lParam);
}

void FormWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = ::BeginPaint(hwnd_, &ps);
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    if (client.right > 0 && client.bottom > 0) {
        BufferedPaint buffer(dc, client);
        Paint(buffer.dc(), client);
    }
    ::EndPaint(hwnd_, &ps);
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
            ::DrawIconEx(dc, item.rect.left, item.rect.top, bigIcon_,
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
    HDC source = ::CreateCompatibleDC(dc);
    {
        SelectObjectScope selected(source, picture);
        const int width = ::MulDiv(info.bmWidth, dpi_, kDesignDpi);
        const int height = ::MulDiv(info.bmHeight, dpi_, kDesignDpi);
        if (width == info.bmWidth) {
            ::BitBlt(dc, 0, 0, width, height, source, 0, 0, SRCCOPY);
        } else {
            ::SetStretchBltMode(dc, HALFTONE);
            ::SetBrushOrgEx(dc, 0, 0, nullptr);
            ::StretchBlt(dc, 0, 0, width, height, source, 0, 0, info.bmWidth, info.bmHeight,
                         SRCCOPY);
        }
    }
    ::DeleteDC(source);
}

void FormWindow::PaintLabel(HDC dc, const Item& item) {
    SelectObjectScope font(dc, item.font);
    ::SetTextColor(dc, Resolve(item.colour));
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
        if (item.hwnd == control && item.def->backColour) {
            ::SetBkColor(dc, *item.def->backColour);
            ::SetTextColor(dc, Resolve(item.colour));
            // The only coloured control shares the form's colour and brush.
            return reinterpret_cast<LRESULT>(backBrush_.get());
        }
    }
    return ::DefWindowProcW(hwnd_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                            reinterpret_cast<LPARAM>(control));
}

// Underlined labels are links: they get the hand.
bool FormWindow::OnSetCursor() {
    POINT point{};
    ::GetCursorPos(&point);
    ::ScreenToClient(hwnd_, &point);
    const Item* label = LabelAt(point);
    if (label && label->def->font && label->def->font->underline) {
        ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
        return true;
    }
    return false;
}

void FormWindow::OnLButtonDown(POINT point) {
    if (const Item* label = LabelAt(point)) {
        pressedLabel_ = label->def->id;
        ::SetCapture(hwnd_);
    }
}

// A label is clicked when the button goes down and up again over it.
void FormWindow::OnLButtonUp(POINT point) {
    if (!pressedLabel_) {
        return;
    }
    const Control pressed = *pressedLabel_;
    pressedLabel_.reset();
    ::ReleaseCapture();
    const Item* label = LabelAt(point);
    if (label && label->def->id == pressed) {
        host_.OnClick(*this, pressed);
    }
}

}  // namespace platform::win
