// A top-level window built from a form definition: its controls, fonts and
// colours at the display's DPI, labels drawn on the window itself (so they are
// transparent, as a form designer's labels are), and an optional background
// picture.  What the window hears, it passes on to its FormHost.
#pragma once

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/FormDef.h"
#include "platform/win32/Dpi_win.h"
#include "platform/win32/Handles_win.h"
#include "platform/win32/Picture_win.h"

namespace platform::win {

class FormWindow;

class FormHost {
  public:
    virtual ~FormHost() = default;
    virtual void OnClick(FormWindow& form, int control) = 0;
    virtual void OnKeyUp(FormWindow& form, int control, int key) = 0;
    // A mouse-move message of the window itself; label is set when the
    // pointer is over a label.
    virtual void OnMouseMove(FormWindow& form, std::optional<int> label, WPARAM wParam,
                             LPARAM lParam) = 0;
    virtual void OnResize(FormWindow& form) = 0;
    virtual void OnTimer(FormWindow& form) = 0;
    // The user (or the system) asks the window to close.
    virtual void OnClose(FormWindow& form) = 0;
    virtual void OnDestroyed(FormWindow& form) = 0;
    // Messages the form itself doesn't know; true when handled.
    virtual bool OnOtherMessage(FormWindow& form, UINT message, WPARAM wParam, LPARAM lParam,
                                LRESULT& result) = 0;
};

class FormWindow {
  public:
    // iconResource: the window's icon, loaded at the sizes its DPI asks for.
    FormWindow(const FormDef& def, FormHost& host, int iconResource);
    ~FormWindow();
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND hwnd() const { return hwnd_; }
    int dpi() const { return dpi_; }
    // Controls by their child-window ids.
    bool Has(int control) const { return Find(control) != nullptr; }
    HWND ControlWindow(int control) const;

    std::string GetText(int control) const;
    void SetText(int control, const std::string& text);
    void SetForeColour(int control, std::uint32_t colour);
    // The window's background, and a control's that has one of its own;
    // drawn again only when it changes.
    void SetBackColour(std::uint32_t colour);
    void SetControlBackColour(int control, std::uint32_t colour);
    void FocusFirstControl();
    // Gives back the keyboard focus that the window had when it was left.
    void RestoreFocus();

    // Dialog-style keyboard navigation (Tab, arrows) for messages of this window.
    bool PreTranslate(MSG& msg);

  private:
    static constexpr UINT_PTR kTextBoxSubclassId = 1;
    static constexpr UINT kWmDpiChanged = 0x02E0;  // WM_DPICHANGED, Windows 8.1 on

    struct Item {
        const ControlDef* def = nullptr;
        HWND hwnd = nullptr;  // none for labels and pictures, which are drawn
        RECT rect{};          // pixels, client coordinates
        std::wstring text;
        std::uint32_t colour = 0;
        HFONT font = nullptr;
        // The background of a control that has one of its own, and its brush.
        std::uint32_t backColour = 0;
        UniqueBrush back;
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    // The capture box's procedure (KeyCaptureBox_win.cpp).
    static LRESULT CALLBACK TextBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR id, DWORD_PTR self) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleTextBoxMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    void Create();
    SIZE WindowSize() const;
    void ApplyDpi(int dpi, const RECT* suggested);
    void LoadIcons();
    void CreateControls();
    void RecreateFonts();
    UniqueFont CreateFormFont(const FontSpec& font) const;
    HFONT FontFor(const std::optional<FontSpec>& font);
    void Layout();
    void SizeLabel(Item& item);
    const Item* Find(int control) const;
    Item* Find(int control);
    const Item* LabelAt(POINT point) const;

    // Painting (FormPaint_win.cpp).
    // Everything drawn again, the controls too: after a change of colours.
    void Repaint();
    void OnPaint();
    void Paint(HDC dc, const RECT& client);
    void PaintPicture(HDC dc, HBITMAP picture) const;
    void PaintLabel(HDC dc, const Item& item);
    LRESULT OnControlColour(HDC dc, HWND control);
    bool OnSetCursor();
    void OnLButtonDown(POINT point);
    void OnLButtonUp(POINT point);

    const FormDef& def_;
    FormHost& host_;
    int iconResource_;
    UniqueIcon bigIcon_;
    UniqueIcon smallIcon_;
    HWND hwnd_ = nullptr;
    int dpi_ = 96;
    std::vector<Item> items_;
    std::vector<std::pair<FontSpec, UniqueFont>> fonts_;  // one per distinct font
    UniqueFont defaultFont_;
    std::optional<std::uint32_t> backColour_;  // none: the dialog face colour
    UniqueBrush backBrush_;
    UniqueBitmap background_;  // the picture, drawn unscaled at the design DPI
    std::optional<int> pressedLabel_;
    HWND lastFocus_ = nullptr;
};

}  // namespace platform::win
