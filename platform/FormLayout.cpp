#include "platform/FormLayout.h"

#include "platform/FormDef.h"

namespace platform {
namespace {

constexpr int kTenthsPerInch = kPointsPerInch * 10;

// a * b / c rounded to the nearest, halves away from zero, as MulDiv does.
int MulDivRounded(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

int FontHeight(const FontSpec& font, int dpi) {
    return -MulDivRounded(font.tenthsOfPoint, dpi, kTenthsPerInch);
}

FormLayout LayoutAt(const FormDef& form, int dpi, int pictureSide) {
    FormLayout layout;
    layout.clientWidth = TwipsToPixels(form.clientWidth, dpi);
    layout.clientHeight = TwipsToPixels(form.clientHeight, dpi);
    for (int i = 0; i < form.controlCount; ++i) {
        const ControlDef& c = form.controls[i];
        ControlLayout control;
        control.id = c.id;
        control.rect.left = TwipsToPixels(c.rect.left, dpi);
        control.rect.top = TwipsToPixels(c.rect.top, dpi);
        const bool picture = c.kind == ControlKind::PictureBox;
        control.rect.right =
            control.rect.left + (picture ? pictureSide : TwipsToPixels(c.rect.width, dpi));
        control.rect.bottom =
            control.rect.top + (picture ? pictureSide : TwipsToPixels(c.rect.height, dpi));
        control.fontHeight = FontHeight(c.font.value_or(kDefaultFormFont), dpi);
        layout.controls.push_back(control);
    }
    return layout;
}

}  // namespace platform
