#pragma once
// Bitmaps: the program's bitmap resources, and 32-bit images whose pixels are read and written
// directly.
#include <windows.h>

#include <string>

#include "framework/Handles_win.h"

namespace fw {

// The bitmap resource of that name as a DIB section; std::runtime_error when there is none.
UniqueBitmap LoadBitmapResource(const std::string& name);
// Width and height of a bitmap (0 x 0 for none).
SIZE BitmapSize(HBITMAP bitmap);

// A 32-bit top-down DIB section for the device context, with its pixels (0x00RRGGBB, row by
// row from the top) in *pixels; std::runtime_error when it cannot be made.
UniqueBitmap CreatePixelBitmap(HDC dc, int width, int height, DWORD** pixels);

}  // namespace fw
