// Everything the main window's handlers reach, role by role.  The handlers of
// a subsystem take only the roles they use (pinning the desktop alone, the
// settings the files alone); the main window holds them all.  wWinMain fills
// it with the Win32 roles, the unit tests with fakes.
#pragma once

#include "app/Controls.h"
#include "app/Window.h"
#include "platform/Desktop.h"
#include "platform/FileStore.h"
#include "platform/Help.h"
#include "platform/Text.h"
#include "platform/TrayArea.h"

namespace app {

struct Roles {
    platform::Desktop& desktop;
    platform::TrayArea& tray;
    platform::FileStore& files;
    platform::Text& text;
    platform::Help& help;
    Window& window;
    Controls& controls;
};

}  // namespace app
