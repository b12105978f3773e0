// Everything the main window's handlers reach, role by role.  The handlers of
// a subsystem take only the roles they use (pinning the desktop alone, the
// settings the files alone); the main window holds them all.  The Win32
// window system implements every role in one object, and so does the fake
// the unit tests use.
#pragma once

#include "app/Form.h"
#include "platform/Desktop.h"
#include "platform/FileStore.h"
#include "platform/Help.h"
#include "platform/Text.h"
#include "platform/TrayArea.h"

namespace app {

class Platform : public platform::Desktop,
                 public platform::TrayArea,
                 public platform::FileStore,
                 public platform::Text,
                 public platform::Help,
                 public Form {};

}  // namespace app
