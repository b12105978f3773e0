// The main window and the controls of both windows, as the handlers use
// them: window state and visibility, captions, texts, check values.
#pragma once

#include <string>

#include "app/Control.h"
#include "platform/Desktop.h"
#include "platform/WindowEvents.h"

namespace app {

using platform::Handle;
using platform::WindowState;

// 0x00BBGGRR, as GDI's COLORREF.
using Colour = std::uint32_t;

class Form {
  public:
    virtual ~Form() = default;

    // Whether another instance of the program runs already.
    virtual bool PreviousInstance() = 0;
    // Ends a start that must not go on: the main window goes away without its
    // unload event, so nothing is saved.
    virtual void EndInstance() = 0;

    virtual Handle MainWindow() = 0;
    virtual Handle MainIcon() = 0;
    virtual WindowState GetWindowState() = 0;
    // Raises the main window's resize event, as a real state change does.
    virtual void SetWindowState(WindowState state) = 0;
    virtual bool IsVisible() = 0;
    virtual void SetVisible(bool visible) = 0;
    virtual void FocusMainWindow() = 0;

    virtual std::string GetText(Control control) = 0;
    virtual void SetText(Control control, const std::string& text) = 0;
    virtual bool IsEnabled(Control control) = 0;
    virtual void SetEnabled(Control control, bool enabled) = 0;
    virtual void SetFocus(Control control) = 0;
    virtual int GetCheckValue(Control control) = 0;
    // Raises the check box's click event when the value changes.
    virtual void SetCheckValue(Control control, int value) = 0;
    virtual void SetForeColour(Control control, Colour colour) = 0;
    // OK button only, the application's title as caption; returns when dismissed.
    virtual void ShowMessage(const std::string& text) = 0;
};

}  // namespace app
