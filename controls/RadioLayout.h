#pragma once
// Geometry and selection rules of the radio group: where its frame, caption and items go, and how
// the selected index moves.
#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "controls/Alignment.h"
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
inline std::span<const std::string_view> EnumNames(TEclGroupCaptionAlign) {
    static constexpr std::array<std::string_view, 12> names{
        "gcaTopLeft",    "gcaTopCenter",    "gcaTopRight",    "gcaLeftBottom", "gcaLeftCenter",  "gcaLeftTop",
        "gcaBottomLeft", "gcaBottomCenter", "gcaBottomRight", "gcaRightTop",   "gcaRightCenter", "gcaRightBottom"};
    return names;
}
inline std::span<const std::string_view> EnumNames(TEclFocusStyle) {
    static constexpr std::array<std::string_view, 5> names{"fcControl", "fcText", "fcGlyph", "fcGlyphText", "fcNone"};
    return names;
}

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

// The side of the group the caption sits on, and the angle its text is turned by (degrees).
enum class CaptionSide { Top, Left, Bottom, Right };
CaptionSide SideOf(TEclGroupCaptionAlign align);
int CaptionAngle(TEclGroupCaptionAlign align);

struct RadioGroupGeometry {
    int width = 0;
    int height = 0;
    int bevelExtent = 0;
    int captionHeight = 0;  // 0 without a caption
    CaptionSide side = CaptionSide::Top;
    int columns = 1;
    int itemHeight = -1;  // below 0: shared out
    int itemOffset = 4;
    int count = 0;
};

// The rectangle the items share: inside the bevel and clear of the caption's side, one pixel in.
fw::Rect RadioInnerRect(const RadioGroupGeometry& g);
// Item rectangles in item order, filling the first column top to bottom, then the next.
std::vector<fw::Rect> LayOutRadioItems(const RadioGroupGeometry& g);

// The frame around the items: the whole group without a caption; otherwise the frame line on the
// caption's side runs through the caption's middle.
fw::Rect RadioFrameRect(int width, int height, int captionHeight, CaptionSide side = CaptionSide::Top);

// The strip along the caption's side that the caption is placed in (CaptionOffset kept from the
// end it is aligned to), and where in it the caption's measured box goes.
struct CaptionPlace {
    fw::Rect box;
    TEclAlignment align = TEclAlignment::agTopLeft;
};
CaptionPlace RadioCaptionPlace(int width, int height, int captionHeight, int captionOffset,
                               TEclGroupCaptionAlign align);
// The caption's measured box widened by 2 pixels toward the start of its text (left for a level
// caption, down for one reading upwards, up for one reading downwards): the part of the frame line
// that is cleared under it.
fw::Rect CaptionClearRect(const fw::Rect& measured, CaptionSide side);

// The item under a point, or -1.
int RadioItemAt(const std::vector<fw::Rect>& items, int x, int y);

}  // namespace ecl
