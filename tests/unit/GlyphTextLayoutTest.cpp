// Glyph and caption laid out as one block: the buttons' centred block and the radio items'
// left-aligned one.
#include <gtest/gtest.h>

#include "controls/GlyphTextLayout.h"

namespace {

using ecl::BlockSize;
using ecl::PlaceGlyphText;

fw::Rect At(int left, int top, int width, int height) { return fw::Rect::FromBounds(left, top, width, height); }

TEST(GlyphTextLayout, ButtonLayoutDefaultsToACentredBlockWithTextRightOfTheGlyph) {
    const TEclButtonLayout layout;
    EXPECT_EQ(layout.Alignment(), TEclAlignment::agCenter);
    EXPECT_EQ(layout.AlignText2Glyph(), TEclTextLayout::taRight);
    EXPECT_EQ(layout.Spacing(), 2);
    EXPECT_EQ(layout.OffsetX(), 0);
    EXPECT_EQ(layout.OffsetY(), 0);
}

TEST(GlyphTextLayout, SpeedButtonGlyphAndCaptionAreCentredTogether) {
    // A 70 x 30 speed button: content rectangle 2 in from each side, 66 x 26. Glyph 18 x 18 and a
    // caption box of 20 x 15. Block: 18 + 2 + 20 = 40 wide, 18 high.
    const TEclButtonLayout layout;
    const auto p = PlaceGlyphText({2, 2, 68, 28}, {18, 18}, {20, 15}, layout);
    // (66 - 40) / 2 = 13 and (26 - 18) / 2 = 4.
    EXPECT_EQ(p.glyph, At(15, 6, 18, 18));
    // The caption follows 2 pixels after the glyph, centred in the block's height ((18 - 15) / 2
    // = 1), then one pixel right and down.
    EXPECT_EQ(p.text, At(15 + 18 + 2 + 1, 6 + 1 + 1, 20, 15));
}

TEST(GlyphTextLayout, CaptionAloneIsCentredWithoutSpacing) {
    // A 205 x 45 grab button: content 3 in from the face; a caption box of 151 x 15.
    const TEclButtonLayout layout;
    const auto p = PlaceGlyphText({3, 3, 202, 42}, {}, {151, 15}, layout);
    // (199 - 151) / 2 = 24, (39 - 15) / 2 = 12: then the one-pixel nudge.
    EXPECT_EQ(p.text, At(3 + 24 + 1, 3 + 12 + 1, 151, 15));
}

TEST(GlyphTextLayout, GlyphAloneIsCentred) {
    const TEclButtonLayout layout;
    const auto p = PlaceGlyphText({0, 0, 23, 22}, {16, 16}, {}, layout);
    EXPECT_EQ(p.glyph, At(3, 3, 16, 16));
}

TEST(GlyphTextLayout, OddRemaindersGoToTheRightAndBottom) {
    const TEclButtonLayout layout;
    // 10 x 10 box, 7 x 4 caption: 3 and 6 to share, so 1 and 3 before it.
    const auto p = PlaceGlyphText({0, 0, 10, 10}, {}, {7, 4}, layout);
    EXPECT_EQ(p.text, At(1 + 1, 3 + 1, 7, 4));
}

TEST(GlyphTextLayout, TallerCaptionCentresTheGlyphInstead) {
    const TEclButtonLayout layout;
    // Glyph 16 x 16 beside a two-line caption box of 40 x 28: the block is 28 high.
    const auto p = PlaceGlyphText({0, 0, 100, 40}, {16, 16}, {40, 28}, layout);
    // Block 16 + 2 + 40 = 58 wide at (100 - 58) / 2 = 21, top (40 - 28) / 2 = 6.
    EXPECT_EQ(p.glyph, At(21, 6 + 6, 16, 16));
    EXPECT_EQ(p.text, At(21 + 18 + 1, 6 + 1, 40, 28));
}

TEST(GlyphTextLayout, RadioItemBlockStartsAtTheLeftCentredVertically) {
    // The main window's items: agCenterLeft, 5 pixels between mark and text; the block is placed
    // in the item narrowed by one pixel left and right.
    TEclGlyphTextLayout layout(TEclAlignment::agCenterLeft);
    layout.SetSpacing(5);
    const fw::Rect item = At(7, 18, 194, 29);
    const fw::Rect box{item.left + 1, item.top, item.right - 1, item.bottom};
    const auto p = PlaceGlyphText(box, {13, 13}, {120, 15}, layout);
    // Block 13 + 5 + 120 wide, 15 high, at the box's left, (29 - 15) / 2 = 7 down.
    EXPECT_EQ(p.glyph, At(8, 18 + 7 + 1, 13, 13));
    EXPECT_EQ(p.text, At(8 + 13 + 5 + 1, 18 + 7 + 1, 120, 15));
}

TEST(GlyphTextLayout, OffsetsMoveGlyphAndTextTogether) {
    TEclButtonLayout layout;
    const auto before = PlaceGlyphText({0, 0, 80, 30}, {18, 18}, {30, 15}, layout);
    layout.SetOffsetX(4);
    layout.SetOffsetY(-3);
    const auto after = PlaceGlyphText({0, 0, 80, 30}, {18, 18}, {30, 15}, layout);
    EXPECT_EQ(after.glyph, At(before.glyph.left + 4, before.glyph.top - 3, 18, 18));
    EXPECT_EQ(after.text, At(before.text.left + 4, before.text.top - 3, 30, 15));
}

TEST(GlyphTextLayout, SpacingSeparatesGlyphAndText) {
    TEclButtonLayout layout;
    layout.SetSpacing(9);
    const auto p = PlaceGlyphText({0, 0, 100, 20}, {16, 16}, {30, 15}, layout);
    EXPECT_EQ(p.text.left - 1 - p.glyph.right, 9);
    // The block (16 + 9 + 30 = 55) stays centred: (100 - 55) / 2 = 22.
    EXPECT_EQ(p.glyph.left, 22);
}

TEST(GlyphTextLayout, TextOnTheOtherSidesOfTheGlyph) {
    TEclButtonLayout layout;
    layout.SetAlignment(TEclAlignment::agTopLeft);
    layout.SetAlignText2Glyph(TEclTextLayout::taLeft);
    auto p = PlaceGlyphText({0, 0, 100, 100}, {16, 16}, {30, 10}, layout);
    EXPECT_EQ(p.text.left - 1, 0) << "caption first";
    EXPECT_EQ(p.glyph.left, 30 + 2);

    layout.SetAlignText2Glyph(TEclTextLayout::taBottom);
    p = PlaceGlyphText({0, 0, 100, 100}, {16, 16}, {30, 10}, layout);
    EXPECT_EQ(p.glyph.top, 0);
    EXPECT_EQ(p.text.top - 1, 16 + 2) << "caption below the glyph";
    EXPECT_EQ(p.glyph.left, (30 - 16) / 2) << "the narrower part is centred across the block";

    layout.SetAlignText2Glyph(TEclTextLayout::taTop);
    p = PlaceGlyphText({0, 0, 100, 100}, {16, 16}, {30, 10}, layout);
    EXPECT_EQ(p.text.top - 1, 0);
    EXPECT_EQ(p.glyph.top, 10 + 2);
}

struct BlockCase {
    TEclAlignment alignment;
    int blockLeft, blockTop;  // of a 40 x 18 block in (0, 0) - (100, 50)
};

class GlyphTextBlockAlignment : public testing::TestWithParam<BlockCase> {};

TEST_P(GlyphTextBlockAlignment, PlacesTheWholeBlock) {
    TEclButtonLayout layout;
    layout.SetAlignment(GetParam().alignment);
    const auto p = PlaceGlyphText({0, 0, 100, 50}, {18, 18}, {20, 14}, layout);
    EXPECT_EQ(p.glyph, At(GetParam().blockLeft, GetParam().blockTop, 18, 18));
    EXPECT_EQ(p.text, At(GetParam().blockLeft + 20 + 1, GetParam().blockTop + 2 + 1, 20, 14));
}

INSTANTIATE_TEST_SUITE_P(
    AllNine, GlyphTextBlockAlignment,
    testing::Values(BlockCase{TEclAlignment::agTopLeft, 0, 0}, BlockCase{TEclAlignment::agTopCenter, 30, 0},
                    BlockCase{TEclAlignment::agTopRight, 60, 0}, BlockCase{TEclAlignment::agCenterLeft, 0, 16},
                    BlockCase{TEclAlignment::agCenter, 30, 16}, BlockCase{TEclAlignment::agCenterRight, 60, 16},
                    BlockCase{TEclAlignment::agBottomLeft, 0, 32}, BlockCase{TEclAlignment::agBottomCenter, 30, 32},
                    BlockCase{TEclAlignment::agBottomRight, 60, 32}));

TEST(GlyphTextLayout, AssignCopiesEveryFieldAndNotifiesOnce) {
    TEclGlyphTextLayout source(TEclAlignment::agBottomRight);
    source.SetAlignText2Glyph(TEclTextLayout::taTopLeft);
    source.SetSpacing(7);
    source.SetOffsetX(2);
    source.SetOffsetY(3);
    TEclGlyphTextLayout copy;
    int changes = 0;
    copy.SetOnChange([&] { ++changes; });
    copy.Assign(source);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(copy.Alignment(), TEclAlignment::agBottomRight);
    EXPECT_EQ(copy.AlignText2Glyph(), TEclTextLayout::taTopLeft);
    EXPECT_EQ(copy.Spacing(), 7);
    EXPECT_EQ(copy.OffsetX(), 2);
    EXPECT_EQ(copy.OffsetY(), 3);
    copy.SetSpacing(7);
    EXPECT_EQ(changes, 1) << "an unchanged value says nothing";
}

}  // namespace
