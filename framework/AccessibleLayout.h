#pragma once
// Where screen readers find things among a window's elements: the order they are read in, which
// label names a text field, and which element lies in a direction from another.
#include <span>
#include <vector>

#include "framework/Geometry.h"

namespace fw {

// Indexes of the rectangles top to bottom, then left to right (ties keep their given order).
std::vector<int> ReadingOrder(std::span<const Rect> rects);

// The label that names a field: the nearest one ending above the field's top, no further than
// the field's own height, that overlaps it horizontally; -1 when there is none.
int LabelAbove(const Rect& field, std::span<const Rect> labels);

enum class NavDirection { Up, Down, Left, Right, Next, Previous, First, Last };

// The element reached from `from` (an index into rects, in reading order) in a direction: Next
// and Previous step through the list, First and Last ignore `from`, and the four directions take
// the nearest element wholly beyond the edge of `from` on that side. -1 when there is none.
int Navigate(std::span<const Rect> rects, int from, NavDirection direction);

}  // namespace fw
