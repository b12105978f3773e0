// Pictures stored as resources (the About window's GIF), decoded once into an
// ordinary GDI bitmap.  GDI+ and OLE are loaded for the decoding only, on
// first use, so neither is part of the program's start.
#pragma once

#include <windows.h>

#include "platform/Handles_win.h"

namespace platform::win {

struct BitmapTraits {
    using Handle = HBITMAP;
    static Handle Empty() { return nullptr; }
    static void Close(Handle h) { ::DeleteObject(h); }
};
using UniqueBitmap = Unique<BitmapTraits>;

// Empty when the resource is missing or can't be decoded.
UniqueBitmap LoadPictureResource(int resourceId);

}  // namespace platform::win
