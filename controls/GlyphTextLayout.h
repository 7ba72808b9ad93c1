#pragma once
// The layout of a glyph and a text box as one block: where the text sits relative to the glyph,
// the spacing between them, the block's alignment in a box and an offset.
#include <array>
#include <span>
#include <string_view>

#include "controls/Alignment.h"
#include "framework/Change.h"
#include "framework/EclObject.h"
#include "framework/PartPublisher.h"

enum class TEclTextLayout { taLeft, taLeftTop, taRight, taRightTop, taTop, taTopLeft, taBottom, taBottomLeft };
inline std::span<const std::string_view> EnumNames(TEclTextLayout) {
    static constexpr std::array<std::string_view, 8> names{"taLeft", "taLeftTop", "taRight",  "taRightTop",
                                                           "taTop",  "taTopLeft", "taBottom", "taBottomLeft"};
    return names;
}

class TEclGlyphTextLayout : public TEclObject {
public:
    explicit TEclGlyphTextLayout(TEclAlignment alignment = TEclAlignment::agCenter) : alignment_(alignment) {}
    void Assign(const TEclGlyphTextLayout& other);

    TEclAlignment Alignment() const { return alignment_; }
    void SetAlignment(TEclAlignment alignment) {
        fw::Change(alignment_, alignment, this, &TEclGlyphTextLayout::Changed);
    }
    TEclTextLayout AlignText2Glyph() const { return alignText2Glyph_; }
    void SetAlignText2Glyph(TEclTextLayout layout) {
        fw::Change(alignText2Glyph_, layout, this, &TEclGlyphTextLayout::Changed);
    }
    int OffsetX() const { return offsetX_; }
    void SetOffsetX(int x) { fw::Change(offsetX_, x, this, &TEclGlyphTextLayout::Changed); }
    int OffsetY() const { return offsetY_; }
    void SetOffsetY(int y) { fw::Change(offsetY_, y, this, &TEclGlyphTextLayout::Changed); }
    int Spacing() const { return spacing_; }
    void SetSpacing(int spacing) { fw::Change(spacing_, spacing, this, &TEclGlyphTextLayout::Changed); }

private:
    TEclAlignment alignment_;
    TEclTextLayout alignText2Glyph_ = TEclTextLayout::taRight;
    int offsetX_ = 0;
    int offsetY_ = 0;
    int spacing_ = 2;
};

// The caption layout of the buttons: glyph and caption centred as a block.
class TEclButtonLayout : public TEclGlyphTextLayout {
public:
    TEclButtonLayout() : TEclGlyphTextLayout(TEclAlignment::agCenter) {}
};

namespace ecl {

struct BlockSize {
    int width = 0;
    int height = 0;
    bool Empty() const { return width <= 0 || height <= 0; }
};

struct GlyphTextPlacement {
    fw::Rect glyph;
    fw::Rect text;
};

// Places the glyph and the text box as one block in the box: the text beside, above or below the
// glyph, Spacing pixels apart (only when both are there), each centred across the block unless the
// layout aligns them at the top or left; the block aligned by Alignment; then the text box moved
// one pixel right and down, and both moved by the offsets.
GlyphTextPlacement PlaceGlyphText(const fw::Rect& box, BlockSize glyph, BlockSize text,
                                  const TEclGlyphTextLayout& layout);

// Publishes the layout as "<prefix>.<Name>" on the owner's class.
template <class P>
void PublishGlyphTextLayout(P&& p) {
    using L = TEclGlyphTextLayout;
    p.template Property<TEclAlignment>("Alignment", &L::Alignment, &L::SetAlignment)
        .template Property<TEclTextLayout>("AlignText2Glyph", &L::AlignText2Glyph, &L::SetAlignText2Glyph)
        .template Property<int>("OffsetX", &L::OffsetX, &L::SetOffsetX)
        .template Property<int>("OffsetY", &L::OffsetY, &L::SetOffsetY)
        .template Property<int>("Spacing", &L::Spacing, &L::SetSpacing);
}

}  // namespace ecl
