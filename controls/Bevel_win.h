#pragma once
// Drawing a bevel frame.
#include "controls/Bevel.h"
#include "framework/Canvas_win.h"

namespace ecl {

// Draws the frame into the rectangle, working inward, and returns the rectangle inside it. With
// mayLeaveUnpainted the inner border rings and the band inside an edge are not painted, only
// skipped; otherwise the band takes the owner's background. A bevel of extent 0 draws nothing.
fw::Rect DrawBevel(fw::Canvas& canvas, const TEclBevel& bevel, const fw::Rect& rect, bool mayLeaveUnpainted,
                   fw::Color background);

}  // namespace ecl
