// Hiding the main window in the notification area and bringing it back.
#pragma once

#include <string_view>

#include "platform/TrayArea.h"
#include "platform/WindowEvents.h"
#include "platform/Window.h"
#include "tray/TrayIcon.h"

namespace tray {

class Tray {
  public:
    // The icon's tip, and the period of the timer whose ticks drive the
    // retries.
    Tray(platform::TrayArea& area, platform::Window& window, std::u16string_view tip,
         unsigned tickMilliseconds)
        : area_(area), window_(window), tip_(tip), retry_(tickMilliseconds) {}

    // The tray button: minimising does the rest.
    void Minimise();
    // Every way of minimising ends here: the button, the minimise box and the
    // start-in-tray setting.
    void WindowResized();
    // A mouse-move message of the main window, which may be the icon's
    // callback: the left button on the icon brings the window back, and so
    // does the keyboard's selection of the icon.
    void MouseMoved(const platform::MouseMove& event);
    // Explorer came back without our icon (or announces the taskbar afresh
    // at a new DPI).
    void TaskbarCreated();
    // Another start asks the window to show itself.
    void ShowRequested();
    // A tick of the main window's timer: a failed add is tried again.
    void Tick();
    // Harmless when there is no icon.
    void DeleteIcon();

  private:
    void AddIcon();
    void AskForCallbacks();
    void Restore();

    platform::TrayArea& area_;
    platform::Window& window_;
    std::u16string_view tip_;  // a literal: it outlives the tray
    platform::TrayRecord TrayData_{};
    AddRetry retry_;
};

}  // namespace tray
