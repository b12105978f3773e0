// The controls of both windows as the handlers use them: captions and texts,
// enabled and focus, check values, colours, and the one message box.  The
// window system paints the colours it is given; which part takes which is
// the program's to say (Colours.h).
#pragma once

#include <cstdint>
#include <string>

#include "platform/Control.h"

namespace platform {

// 0x00BBGGRR, as GDI's COLORREF.
using Colour = std::uint32_t;

class Controls {
  public:
    virtual ~Controls() = default;

    virtual std::string GetText(Control control) = 0;
    virtual void SetText(Control control, const std::string& text) = 0;
    virtual bool IsEnabled(Control control) = 0;
    virtual void SetEnabled(Control control, bool enabled) = 0;
    virtual void SetFocus(Control control) = 0;
    virtual bool IsChecked(Control control) = 0;
    // The value alone: the click a change raises is the handlers' to raise.
    virtual void SetChecked(Control control, bool checked) = 0;
    virtual void SetForeColour(Control control, Colour colour) = 0;
    // The background of a control that has one of its own (the check box).
    virtual void SetBackColour(Control control, Colour colour) = 0;
    virtual void SetFormBackColour(Form form, Colour colour) = 0;
    // OK button only, the application's title as caption; returns when dismissed.
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace platform
