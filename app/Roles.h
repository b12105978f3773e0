// Everything the main window's handlers reach, role by role.  Each subsystem
// takes only the roles it uses, in its constructor; the main window holds
// them all.  wWinMain fills it with the Win32 roles, the unit tests with fakes.
#pragma once

#include "platform/Controls.h"
#include "platform/Desktop.h"
#include "platform/FileStore.h"
#include "platform/Help.h"
#include "platform/Highlight.h"
#include "platform/Text.h"
#include "platform/TrayArea.h"
#include "platform/Window.h"

namespace app {

struct Roles {
    platform::Desktop& desktop;
    platform::TrayArea& tray;
    platform::FileStore& files;
    platform::Text& text;
    platform::Help& help;
    platform::Window& window;
    platform::Controls& controls;
    platform::Highlight& highlight;
};

}  // namespace app
