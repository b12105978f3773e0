#include "platform/win32/FormWindow_win.h"

#include <windows.h>
#include <windowsx.h>
#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <cstring>

#include "platform/win32/Dpi_win.h"
#include "platform/win32/Encoding_win.h"

namespace platform::win {
namespace {

constexpr DWORD StyleOf(Border border) {
    constexpr DWORD kFixed = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    return border == Border::FixedSingle ? (kFixed | WS_MINIMIZEBOX) : kFixed;
}
constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

}  // namespace

FormWindow::FormWindow(const FormDef& def, FormHost& host, int iconResource)
    : def_(def),
      host_(host),
      iconResource_(iconResource),
      dpi_(SystemDpi()),
      backColour_(def.backColour) {
    if (backColour_) {
        backBrush_.reset(::CreateSolidBrush(*backColour_));
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
    // Shared icons for the class; each window sets its own at its DPI.
    wc.hIcon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(iconResource_),
                                               IMAGE_ICON, 0, 0, LR_DEFAULTSIZE | LR_SHARED));
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = def_.className;
    ::RegisterClassExW(&wc);  // fails harmlessly when the class exists already

    // Laid out at the system's DPI first; a window that lands on a monitor of
    // another DPI lays itself out again at once.
    const DWORD style = StyleOf(def_.border);
    const SIZE size = WindowSize();
    const int width = size.cx;
    const int height = size.cy;

    // The stored position if there is one, on the work area of the monitor
    // it lands on; else the middle of the primary monitor's work area.
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    if (def_.left && def_.top) {
        const POINT stored{TwipsToPixels(*def_.left, dpi_), TwipsToPixels(*def_.top, dpi_)};
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        if (::GetMonitorInfoW(::MonitorFromPoint(stored, MONITOR_DEFAULTTONEAREST), &monitor)) {
            work = monitor.rcWork;
        }
    }
    int x = def_.left ? TwipsToPixels(*def_.left, dpi_) : (work.left + work.right - width) / 2;
    int y = def_.top ? TwipsToPixels(*def_.top, dpi_) : (work.top + work.bottom - height) / 2;
    x = std::max(static_cast<int>(work.left), std::min(x, static_cast<int>(work.right) - width));
    y = std::max(static_cast<int>(work.top), std::min(y, static_cast<int>(work.bottom) - height));

    ::CreateWindowExW(kExStyle, def_.className, Widen(def_.caption).c_str(), style, x, y, width,
                      height, nullptr, nullptr, instance, this);
    if (!hwnd_) {
        return;
    }
    LoadIcons();
    defaultFont_ = CreateFormFont(kDefaultFormFont);
    CreateControls();
    Layout();
    if (const int dpi = WindowDpi(hwnd_); dpi != dpi_) {
        ApplyDpi(dpi, nullptr);
    }
}

// The window's outer size around its designed client area at its DPI.
SIZE FormWindow::WindowSize() const {
    const RECT frame = WindowRectForClient(TwipsToPixels(def_.clientWidth, dpi_),
                                           TwipsToPixels(def_.clientHeight, dpi_),
                                           StyleOf(def_.border), kExStyle, dpi_);
    return SIZE{frame.right - frame.left, frame.bottom - frame.top};
}

// At a new DPI the window lays itself out again from its twips: fonts made
// anew at their size, controls moved and sized, the icons at the sizes this
// DPI asks for.  Then it takes the rectangle Windows suggests, or keeps its
// place when there is none.
void FormWindow::ApplyDpi(int dpi, const RECT* suggested) {
    dpi_ = dpi;
    LoadIcons();
    RecreateFonts();
    Layout();
    if (suggested) {
        ::SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top,
                       suggested->right - suggested->left, suggested->bottom - suggested->top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        const SIZE size = WindowSize();
        ::SetWindowPos(hwnd_, nullptr, 0, 0, size.cx, size.cy,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    ::InvalidateRect(hwnd_, nullptr, TRUE);
}

// The new icons are in place before the old ones go.
void FormWindow::LoadIcons() {
    UniqueIcon big = LoadIconSized(iconResource_, SystemMetricForDpi(SM_CXICON, dpi_));
    UniqueIcon small = LoadIconSized(iconResource_, SystemMetricForDpi(SM_CXSMICON, dpi_));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.get()));
    ::SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.get()));
    bigIcon_ = std::move(big);
    smallIcon_ = std::move(small);
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

LRESULT CALLBACK FormWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
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
        case kWmDpiChanged:
            ApplyDpi(LOWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_TIMER:
            host_.OnTimer(*this);
            return 0;
        case WM_SYSCOLORCHANGE:
            // Common controls hear of it only from their parent.
            for (const Item& item : items_) {
                if (item.hwnd) {
                    ::SendMessageW(item.hwnd, message, wParam, lParam);
                }
            }
            break;
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
    const int pressed = *pressedLabel_;
    pressedLabel_.reset();
    ::ReleaseCapture();
    const Item* label = LabelAt(point);
    if (label && label->def->id == pressed) {
        host_.OnClick(*this, pressed);
    }
}

}  // namespace platform::win
