#pragma once
// The About dialog's enlarged icon: the icon stretched to about twice its size in a black frame
// with a grey drop shadow at the right and bottom, on the button-face colour.
#include <windows.h>

#include "framework/Handles_win.h"

namespace about {

// A 32-bit bitmap of (2 x icon width + 8) x (2 x icon height + 8) pixels: the face colour, the
// shadow in the 6-pixel strips along the right and bottom edges (starting 6 pixels in), the icon
// (first drawn on the face colour) stretched into (1, 1)-(W - 6, H - 6) and a black frame around
// (0, 0)-(W - 5, H - 5). Its face-coloured pixels are meant to be shown transparent.
fw::UniqueBitmap MakeExtendedIconBitmap(HICON icon);

}  // namespace about
