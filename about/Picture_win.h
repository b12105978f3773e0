// Pictures stored as resources (the About window's GIF), decoded once into an
// ordinary GDI bitmap.  GDI+ and OLE are loaded for the decoding only, on
// first use, so neither is part of the program's start.
#pragma once

#include <windows.h>

#include "platform/win32/Handles_win.h"

namespace about {

// Empty when the resource is missing or can't be decoded.
platform::win::UniqueBitmap LoadPictureResource(int resourceId);

}  // namespace about
