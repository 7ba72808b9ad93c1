#include "controls/RadioLayout.h"

#include <algorithm>
#include <array>

std::span<const std::string_view> EnumNames(TEclGroupCaptionAlign) {
    static constexpr std::array<std::string_view, 12> names{
        "gcaTopLeft",    "gcaTopCenter",    "gcaTopRight",    "gcaLeftBottom", "gcaLeftCenter",  "gcaLeftTop",
        "gcaBottomLeft", "gcaBottomCenter", "gcaBottomRight", "gcaRightTop",   "gcaRightCenter", "gcaRightBottom"};
    return names;
}

std::span<const std::string_view> EnumNames(TEclFocusStyle) {
    static constexpr std::array<std::string_view, 5> names{"fcControl", "fcText", "fcGlyph", "fcGlyphText", "fcNone"};
    return names;
}

namespace ecl {

int ClampColumns(int columns) { return std::clamp(columns, kMinColumns, kMaxColumns); }

int ClampItemIndex(int index, int count) { return std::clamp(index, -1, count - 1); }

int NextItem(int current, int count, bool forward) {
    if (count <= 0) return -1;
    if (current < 0 || current >= count) return forward ? 0 : count - 1;
    return forward ? (current + 1) % count : (current + count - 1) % count;
}

bool CaptionShows(const std::string& caption) {
    return std::any_of(caption.begin(), caption.end(), [](char c) { return static_cast<unsigned char>(c) > ' '; });
}

fw::Rect RadioInnerRect(const RadioGroupGeometry& g) {
    const int e = g.bevelExtent;
    const fw::Rect r{e, std::max(e, g.captionHeight), g.width - e, g.height - e};
    return {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
}

std::vector<fw::Rect> LayOutRadioItems(const RadioGroupGeometry& g) {
    std::vector<fw::Rect> items;
    if (g.count <= 0) return items;
    const fw::Rect inner = RadioInnerRect(g);
    const int columns = ClampColumns(g.columns);
    const int rows = (g.count + columns - 1) / columns;
    const int columnWidth = (inner.Width() - g.itemOffset) / columns - 1;
    const int rowHeight = g.itemHeight >= 0 ? g.itemHeight : (inner.Height() - 2) / rows;
    const int firstTop = inner.top + 1 + (rowHeight % rows) / 2;
    for (int i = 0; i < g.count; ++i) {
        const int left = inner.left + g.itemOffset + (i / rows) * columnWidth;
        const int top = firstTop + (i % rows) * rowHeight;
        items.push_back(fw::Rect::FromBounds(left, top, columnWidth, rowHeight));
    }
    return items;
}

fw::Rect RadioFrameRect(int width, int height, int captionHeight) {
    if (captionHeight <= 0) return {0, 0, width, height};
    return {0, captionHeight / 2 - 1, width, height};
}

fw::Rect RadioCaptionBox(int width, int captionHeight, int captionOffset) {
    return {captionOffset, 0, width, captionHeight};
}

int RadioItemAt(const std::vector<fw::Rect>& items, int x, int y) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].Contains(x, y)) return static_cast<int>(i);
    return -1;
}

}  // namespace ecl
