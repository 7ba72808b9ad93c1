#include "controls/GlyphTextLayout.h"

#include <algorithm>

void TEclGlyphTextLayout::Assign(const TEclGlyphTextLayout& other) {
    if (&other == this) return;
    alignment_ = other.alignment_;
    alignText2Glyph_ = other.alignText2Glyph_;
    offsetX_ = other.offsetX_;
    offsetY_ = other.offsetY_;
    spacing_ = other.spacing_;
    Changed();
}

namespace ecl {

namespace {

bool Horizontal(TEclTextLayout t) {
    return t == TEclTextLayout::taLeft || t == TEclTextLayout::taLeftTop || t == TEclTextLayout::taRight ||
           t == TEclTextLayout::taRightTop;
}
bool TextFirst(TEclTextLayout t) {
    return t == TEclTextLayout::taLeft || t == TEclTextLayout::taLeftTop || t == TEclTextLayout::taTop ||
           t == TEclTextLayout::taTopLeft;
}
// taRightTop, taLeftTop, taTopLeft and taBottomLeft line the two parts up at the block's edge.
bool EdgeAligned(TEclTextLayout t) {
    return t == TEclTextLayout::taLeftTop || t == TEclTextLayout::taRightTop || t == TEclTextLayout::taTopLeft ||
           t == TEclTextLayout::taBottomLeft;
}

fw::Rect Offset(fw::Rect r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

}  // namespace

GlyphTextPlacement PlaceGlyphText(const fw::Rect& box, BlockSize glyph, BlockSize text,
                                  const TEclGlyphTextLayout& layout) {
    const TEclTextLayout how = layout.AlignText2Glyph();
    const bool horizontal = Horizontal(how);
    const int gap = glyph.Empty() || text.Empty() ? 0 : layout.Spacing();
    const int gw = std::max(glyph.width, 0), gh = std::max(glyph.height, 0);
    const int tw = std::max(text.width, 0), th = std::max(text.height, 0);

    const int blockW = horizontal ? gw + gap + tw : std::max(gw, tw);
    const int blockH = horizontal ? std::max(gh, th) : gh + gap + th;
    const fw::Rect block = AlignBlock(box, blockW, blockH, layout.Alignment());

    // Across the block: centred, or at its top/left edge.
    auto across = [&](int size) { return EdgeAligned(how) ? 0 : ((horizontal ? blockH : blockW) - size) / 2; };
    const int firstSize = TextFirst(how) ? (horizontal ? tw : th) : (horizontal ? gw : gh);
    const int glyphAlong = TextFirst(how) ? firstSize + gap : 0;
    const int textAlong = TextFirst(how) ? 0 : firstSize + gap;

    GlyphTextPlacement p;
    if (horizontal) {
        p.glyph = fw::Rect::FromBounds(block.left + glyphAlong, block.top + across(gh), gw, gh);
        p.text = fw::Rect::FromBounds(block.left + textAlong, block.top + across(th), tw, th);
    } else {
        p.glyph = fw::Rect::FromBounds(block.left + across(gw), block.top + glyphAlong, gw, gh);
        p.text = fw::Rect::FromBounds(block.left + across(tw), block.top + textAlong, tw, th);
    }
    p.text = Offset(p.text, 1, 1);
    p.glyph = Offset(p.glyph, layout.OffsetX(), layout.OffsetY());
    p.text = Offset(p.text, layout.OffsetX(), layout.OffsetY());
    return p;
}

}  // namespace ecl
