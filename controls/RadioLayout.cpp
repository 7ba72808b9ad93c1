#include "controls/RadioLayout.h"

#include <algorithm>

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

CaptionSide SideOf(TEclGroupCaptionAlign align) {
    switch (align) {
        case TEclGroupCaptionAlign::gcaLeftBottom:
        case TEclGroupCaptionAlign::gcaLeftCenter:
        case TEclGroupCaptionAlign::gcaLeftTop: return CaptionSide::Left;
        case TEclGroupCaptionAlign::gcaBottomLeft:
        case TEclGroupCaptionAlign::gcaBottomCenter:
        case TEclGroupCaptionAlign::gcaBottomRight: return CaptionSide::Bottom;
        case TEclGroupCaptionAlign::gcaRightTop:
        case TEclGroupCaptionAlign::gcaRightCenter:
        case TEclGroupCaptionAlign::gcaRightBottom: return CaptionSide::Right;
        default: return CaptionSide::Top;
    }
}

int CaptionAngle(TEclGroupCaptionAlign align) {
    switch (SideOf(align)) {
        case CaptionSide::Left: return 90;
        case CaptionSide::Right: return 270;
        default: return 0;
    }
}

fw::Rect RadioInnerRect(const RadioGroupGeometry& g) {
    const int e = g.bevelExtent;
    const int c = std::max(e, g.captionHeight);
    const fw::Rect r{g.side == CaptionSide::Left ? c : e, g.side == CaptionSide::Top ? c : e,
                     g.width - (g.side == CaptionSide::Right ? c : e),
                     g.height - (g.side == CaptionSide::Bottom ? c : e)};
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

fw::Rect RadioFrameRect(int width, int height, int captionHeight, CaptionSide side) {
    if (captionHeight <= 0) return {0, 0, width, height};
    const int line = captionHeight / 2 - 1;
    switch (side) {
        case CaptionSide::Left: return {line, 0, width, height};
        case CaptionSide::Bottom: return {0, 0, width, height - line};
        case CaptionSide::Right: return {0, 0, width - line, height};
        default: return {0, line, width, height};
    }
}

CaptionPlace RadioCaptionPlace(int width, int height, int captionHeight, int captionOffset,
                               TEclGroupCaptionAlign align) {
    using A = TEclGroupCaptionAlign;
    const int h = captionHeight, o = captionOffset;
    switch (align) {
        case A::gcaTopLeft: return {{o, 0, width, h}, TEclAlignment::agTopLeft};
        case A::gcaTopCenter: return {{0, 0, width, h}, TEclAlignment::agTopCenter};
        case A::gcaTopRight: return {{0, 0, width - o, h}, TEclAlignment::agTopRight};
        case A::gcaBottomLeft: return {{o, height - h, width, height}, TEclAlignment::agBottomLeft};
        case A::gcaBottomCenter: return {{0, height - h, width, height}, TEclAlignment::agBottomCenter};
        case A::gcaBottomRight: return {{0, height - h, width - o, height}, TEclAlignment::agBottomRight};
        case A::gcaLeftTop: return {{0, o, h, height}, TEclAlignment::agTopLeft};
        case A::gcaLeftCenter: return {{0, 0, h, height}, TEclAlignment::agCenterLeft};
        case A::gcaLeftBottom: return {{0, 0, h, height - o}, TEclAlignment::agBottomLeft};
        case A::gcaRightTop: return {{width - h, o, width, height}, TEclAlignment::agTopRight};
        case A::gcaRightCenter: return {{width - h, 0, width, height}, TEclAlignment::agCenterRight};
        case A::gcaRightBottom: return {{width - h, 0, width, height - o}, TEclAlignment::agBottomRight};
    }
    return {{o, 0, width, h}, TEclAlignment::agTopLeft};
}

fw::Rect CaptionClearRect(const fw::Rect& measured, CaptionSide side) {
    fw::Rect r = measured;
    switch (side) {
        case CaptionSide::Left: r.bottom += 2; break;
        case CaptionSide::Right: r.top -= 2; break;
        default: r.left -= 2; break;
    }
    return r;
}

int RadioItemAt(const std::vector<fw::Rect>& items, int x, int y) {
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i].Contains(x, y)) return static_cast<int>(i);
    return -1;
}

}  // namespace ecl
