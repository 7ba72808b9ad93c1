#pragma once
// Where the program's dialogs (the About box, the folder browser) stand on the screen: one place
// for the reference rectangle and the desktop they are kept on.
#include <windows.h>

#include "framework/DialogPosition.h"

namespace ecl {

// The anchor window's bounds when there is one, else the rectangle relatePos names; the whole
// primary screen when the named window does not exist.
fw::Rect DialogReferenceRect(TEclDlgPosRel relatePos, HWND anchor = nullptr);
// The top-left corner of a window of that size placed by position and relatePos on the desktop.
DialogOrigin PlaceDialogWindow(TEclDlgPosition position, TEclDlgPosRel relatePos, int width, int height,
                               HWND anchor = nullptr);

}  // namespace ecl
