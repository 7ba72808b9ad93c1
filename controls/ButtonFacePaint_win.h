#pragma once
// The faces of the library's buttons: the visual style's push button, the classic raised face of
// the push and speed buttons, and the flat face of a button inside an edit box. Each draws into
// the button's rectangle and gives back the content rectangle for the glyph and caption.
#include "controls/ButtonState.h"
#include "controls/Theme_win.h"
#include "framework/Canvas_win.h"

namespace ecl {

// The platform's push button part in the state's look, over the rectangle grown by one pixel on
// each side and clipped to it. False when the theme cannot draw it.
bool PaintThemedFace(ThemeData& theme, HWND window, fw::Canvas& canvas, const fw::Rect& r, ThemedState state);

// A speed button's classic face: raised, or sunken while pushed or latched down.
void PaintSpeedWin40Face(fw::Canvas& canvas, const fw::Rect& r, bool down);

// A push button's classic face: the active button's dark outline, then raised, or while pushed a
// black outline with a grey one inside it. Returns the face rectangle inside the outline.
fw::Rect PaintPushWin40Face(fw::Canvas& canvas, const fw::Rect& r, bool pushed, bool active);

// The flat face of a button inside an edit box: two raised rings when up, one grey ring while held.
void PaintIntegratedFace(fw::Canvas& canvas, const fw::Rect& r, fw::Color face, bool down);

// The content rectangle 2 pixels inside the face, one pixel further right and down while down.
fw::Rect SpeedContent(const fw::Rect& r, bool down);

// A dotted focus rectangle in black and white, whatever colours the DC holds.
void DrawBlackFocusRect(HDC dc, const fw::Rect& r);

}  // namespace ecl
