// The controls of a form: made from their definitions, with fonts shared
// between controls that ask for the same one, laid out at the window's DPI,
// and their texts and colours.
#include <windows.h>
#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <cstring>

#include "platform/win32/Dpi_win.h"
#include "platform/FormLayout.h"
#include "platform/win32/FormWindow_win.h"
#include "platform/win32/Encoding_win.h"
#include "platform/PixelRect.h"

namespace platform::win {
UniqueFont FormWindow::CreateFormFont(const FontSpec& font) const {
    return UniqueFont(::CreateFontW(FontHeight(font, dpi_), 0, 0, 0, font.weight, FALSE,
                                    font.underline, FALSE, kCharsetGb2312, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
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
        if (c.backColour) {
            item.backColour = *c.backColour;
            item.back.reset(::CreateSolidBrush(item.backColour));
        }

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
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance, nullptr);
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

void FormWindow::Layout() {
    const FormLayout layout = LayoutAt(def_, dpi_, SystemMetricForDpi(SM_CXICON, dpi_));
    for (std::size_t i = 0; i < items_.size(); ++i) {
        Item& item = items_[i];
        const PixelRect& r = layout.controls[i].rect;
        item.rect = RECT{r.left, r.top, r.right, r.bottom};
        if (item.def->autoSize) {
            SizeLabel(item);
        }
        if (item.hwnd) {
            ::MoveWindow(item.hwnd, item.rect.left, item.rect.top, item.rect.right - item.rect.left,
                         item.rect.bottom - item.rect.top, FALSE);
        }
    }
}

// Made anew at the window's DPI and handed to the controls before the old
// ones go.
void FormWindow::RecreateFonts() {
    std::vector<std::pair<FontSpec, UniqueFont>> old = std::move(fonts_);
    const UniqueFont oldDefault = std::move(defaultFont_);
    fonts_.clear();
    defaultFont_ = CreateFormFont(kDefaultFormFont);
    for (Item& item : items_) {
        item.font = FontFor(item.def->font);
        if (item.hwnd) {
            ::SendMessageW(item.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(item.font), FALSE);
        }
    }
}

void FormWindow::SizeLabel(Item& item) {
    const WindowDC dc(hwnd_);
    const SelectObjectScope font(dc.get(), item.font);
    SIZE size{};
    ::GetTextExtentPoint32W(dc.get(), item.text.c_str(), static_cast<int>(item.text.size()), &size);
    item.rect.right = item.rect.left + size.cx;
    item.rect.bottom = item.rect.top + size.cy;
}

const FormWindow::Item* FormWindow::Find(int control) const {
    const auto it = std::find_if(items_.begin(), items_.end(),
                                 [control](const Item& i) { return i.def->id == control; });
    return it == items_.end() ? nullptr : &*it;
}

FormWindow::Item* FormWindow::Find(int control) {
    return const_cast<Item*>(std::as_const(*this).Find(control));
}

HWND FormWindow::ControlWindow(int control) const {
    const Item* item = Find(control);
    return item ? item->hwnd : nullptr;
}

std::string FormWindow::GetText(int control) const {
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

void FormWindow::SetText(int control, const std::string& text) {
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

void FormWindow::SetForeColour(int control, std::uint32_t colour) {
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

}  // namespace platform::win
