#pragma once
// Geometry and selection rules of the radio group: where its frame, caption and items go, and how
// the selected index moves.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/Graphics.h"

enum class TEclGroupCaptionAlign {
    gcaTopLeft,
    gcaTopCenter,
    gcaTopRight,
    gcaLeftBottom,
    gcaLeftCenter,
    gcaLeftTop,
    gcaBottomLeft,
    gcaBottomCenter,
    gcaBottomRight,
    gcaRightTop,
    gcaRightCenter,
    gcaRightBottom,
};
enum class TEclFocusStyle { fcControl, fcText, fcGlyph, fcGlyphText, fcNone };
std::span<const std::string_view> EnumNames(TEclGroupCaptionAlign);
std::span<const std::string_view> EnumNames(TEclFocusStyle);

namespace ecl {

inline constexpr int kMinColumns = 1;
inline constexpr int kMaxColumns = 12;

int ClampColumns(int columns);
// -1 (none) .. count - 1.
int ClampItemIndex(int index, int count);
// The item an arrow key moves to from `current`, wrapping at the ends; from no selection the
// first (forward) or last item.
int NextItem(int current, int count, bool forward);

// A caption made only of blanks and control characters shows nothing and takes no room.
bool CaptionShows(const std::string& caption);

struct RadioGroupGeometry {
    int width = 0;
    int height = 0;
    int bevelExtent = 0;
    int captionHeight = 0;  // 0 without a caption
    int columns = 1;
    int itemHeight = -1;  // below 0: shared out
    int itemOffset = 4;
    int count = 0;
};

// The rectangle the items share: inside the bevel and below the caption, one pixel in.
fw::Rect RadioInnerRect(const RadioGroupGeometry& g);
// Item rectangles in item order, filling the first column top to bottom, then the next.
std::vector<fw::Rect> LayOutRadioItems(const RadioGroupGeometry& g);

// The frame around the items: the whole group without a caption; with a caption on the top its
// line runs through the caption's middle.
fw::Rect RadioFrameRect(int width, int height, int captionHeight);
// The box the caption is placed in (caption on the top, at the left).
fw::Rect RadioCaptionBox(int width, int captionHeight, int captionOffset);

// The item under a point, or -1.
int RadioItemAt(const std::vector<fw::Rect>& items, int x, int y);

}  // namespace ecl
