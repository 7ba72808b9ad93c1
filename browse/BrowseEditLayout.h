#pragma once
// Geometry of the browse edit: its automatic height, the text area and the buttons at its right,
// and the horizontal scrolling that keeps the caret in view.
#include <cstddef>
#include <span>

#include "controls/Bevel.h"
#include "framework/Graphics.h"

namespace ecl {

// The height for a font whose "Qp" is qpHeight pixels high.
int BrowseEditAutoHeight(int qpHeight, TEclBevelMode mode, int bevelExtent);
// The least width: room for the buttons and a little text.
int BrowseEditMinWidth(int buttonCount, int buttonWidth);

// The client rectangle less the buttons and one pixel between.
fw::Rect BrowseTextArea(const fw::Rect& client, int buttonCount, int buttonWidth);
// Button `index` right of the text area; it starts at the client's top when topAtZero.
fw::Rect BrowseButtonRect(const fw::Rect& textArea, int index, int buttonWidth, bool topAtZero);

// The scroll offset that shows a caret at caretX (text coordinates) in a view `width` wide,
// moving as little as possible from `scroll`.
int ScrollForCaret(int scroll, int caretX, int width);

}  // namespace ecl

namespace ecl {

// The character boundary nearest to x, given edges[i] = the width of the first i characters.
std::size_t CaretIndexAt(std::span<const int> edges, int x);

}  // namespace ecl

namespace ecl {

// The scroll offset for a text textWidth pixels wide in a view `width` wide: the caret stays in
// view, moving as little as possible, and no more of the view than needed is left empty.
int ScrollForText(int scroll, int caretX, int textWidth, int width);

}  // namespace ecl
