// The radio group's geometry (frame, caption box, item rectangles) and its selection rules.
#include <gtest/gtest.h>

#include <vector>

#include "controls/RadioLayout.h"
#include "framework/Mnemonic.h"

namespace {

using ecl::LayOutRadioItems;
using ecl::RadioGroupGeometry;

fw::Rect At(int left, int top, int width, int height) { return fw::Rect::FromBounds(left, top, width, height); }

// The main window's group: 205 x 81, Windows bevel (2), one column, two items.
RadioGroupGeometry MainWindowGroup(int captionHeight) {
    RadioGroupGeometry g;
    g.width = 205;
    g.height = 81;
    g.bevelExtent = 2;
    g.captionHeight = captionHeight;
    g.count = 2;
    return g;
}

TEST(RadioLayout, MainWindowItemsAre194WideAndStart7In) {
    // A caption 16 pixels high: inner rectangle (3, 17) - (202, 78).
    const RadioGroupGeometry g = MainWindowGroup(16);
    EXPECT_EQ(ecl::RadioInnerRect(g), (fw::Rect{3, 17, 202, 78}));
    // Row height (61 - 2) div 2 = 29; the first row 1 + (29 mod 2) div 2 = 1 below the inner top.
    EXPECT_EQ(LayOutRadioItems(g), (std::vector<fw::Rect>{At(7, 18, 194, 29), At(7, 47, 194, 29)}));
}

TEST(RadioLayout, RowsShareTheHeightBelowTheCaptionEqually) {
    for (int caption : {13, 16, 19, 24}) {
        const std::vector<fw::Rect> items = LayOutRadioItems(MainWindowGroup(caption));
        ASSERT_EQ(items.size(), 2u);
        EXPECT_EQ(items[0].Height(), items[1].Height());
        EXPECT_EQ(items[1].top, items[0].bottom) << "rows follow one another";
        EXPECT_GT(items[0].top, caption) << "below the caption";
        EXPECT_LE(items[1].bottom, 81 - 2) << "inside the frame";
    }
}

TEST(RadioLayout, WithoutACaptionTheItemsUseTheFullInnerHeight) {
    const RadioGroupGeometry g = MainWindowGroup(0);
    EXPECT_EQ(ecl::RadioInnerRect(g), (fw::Rect{3, 3, 202, 78}));
    // (75 - 2) div 2 = 36 high; 36 mod 2 = 0.
    EXPECT_EQ(LayOutRadioItems(g), (std::vector<fw::Rect>{At(7, 4, 194, 36), At(7, 40, 194, 36)}));
}

TEST(RadioLayout, CaptionLowerThanTheBevelLeavesTheBevelOnTop) {
    RadioGroupGeometry g = MainWindowGroup(1);
    g.bevelExtent = 4;
    EXPECT_EQ(ecl::RadioInnerRect(g).top, 5);
}

TEST(RadioLayout, FirstRowIsPushedDownByHalfTheLeftoverOfTheRowHeight) {
    // Three rows in a 100 high group without bevel or caption: inner height 98, row height
    // (98 - 2) div 3 = 32, 32 mod 3 = 2, so the first row starts 1 + 1 below the inner top.
    RadioGroupGeometry g;
    g.width = 120;
    g.height = 100;
    g.count = 3;
    const std::vector<fw::Rect> items = LayOutRadioItems(g);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0], At(1 + 4, 1 + 2, (118 - 4) - 1, 32));
    EXPECT_EQ(items[2].top, 3 + 64);
}

TEST(RadioLayout, ItemsFillTheFirstColumnTopToBottomThenTheNext) {
    RadioGroupGeometry g;
    g.width = 205;
    g.height = 81;
    g.bevelExtent = 2;
    g.count = 5;
    g.columns = 2;
    // Three rows; column width (199 - 4) div 2 - 1 = 96; row height (75 - 2) div 3 = 24.
    const std::vector<fw::Rect> items = LayOutRadioItems(g);
    ASSERT_EQ(items.size(), 5u);
    const int top = 3 + 1 + (24 % 3) / 2;
    EXPECT_EQ(items[0], At(7, top, 96, 24));
    EXPECT_EQ(items[2], At(7, top + 48, 96, 24));
    EXPECT_EQ(items[3], At(7 + 96, top, 96, 24));
    EXPECT_EQ(items[4], At(7 + 96, top + 24, 96, 24));
}

TEST(RadioLayout, FixedItemHeightAndItemOffsetAreUsedAsGiven) {
    RadioGroupGeometry g = MainWindowGroup(16);
    g.itemHeight = 20;
    g.itemOffset = 10;
    const std::vector<fw::Rect> items = LayOutRadioItems(g);
    ASSERT_EQ(items.size(), 2u);
    // Column width (199 - 10) - 1; first row 1 + (20 mod 2) div 2 below the inner top 17.
    EXPECT_EQ(items[0], At(13, 18, 188, 20));
    EXPECT_EQ(items[1], At(13, 38, 188, 20));
}

TEST(RadioLayout, ColumnsOutOfRangeAreClampedInTheLayoutToo) {
    RadioGroupGeometry g = MainWindowGroup(16);
    g.columns = 0;
    EXPECT_EQ(LayOutRadioItems(g), LayOutRadioItems(MainWindowGroup(16)));
}

TEST(RadioLayout, NoItemsNoRectangles) {
    RadioGroupGeometry g = MainWindowGroup(16);
    g.count = 0;
    EXPECT_TRUE(LayOutRadioItems(g).empty());
}

TEST(RadioLayout, FrameLineRunsThroughTheCaptionsMiddle) {
    EXPECT_EQ(ecl::RadioFrameRect(205, 81, 16), (fw::Rect{0, 7, 205, 81}));
    EXPECT_EQ(ecl::RadioFrameRect(205, 81, 15), (fw::Rect{0, 6, 205, 81}));
    EXPECT_EQ(ecl::RadioFrameRect(205, 81, 0), (fw::Rect{0, 0, 205, 81})) << "no caption: the whole group";
}

TEST(RadioLayout, CaptionBoxStartsAtTheCaptionOffset) {
    using A = TEclGroupCaptionAlign;
    EXPECT_EQ(ecl::RadioCaptionPlace(205, 81, 16, 10, A::gcaTopLeft).box, (fw::Rect{10, 0, 205, 16}));
    EXPECT_EQ(ecl::RadioCaptionPlace(185, 105, 13, 8, A::gcaTopLeft).box, (fw::Rect{8, 0, 185, 13}));
}

TEST(RadioLayout, CaptionStripLiesAlongItsSideWithTheOffsetAtItsAlignedEnd) {
    using A = TEclGroupCaptionAlign;
    using P = TEclAlignment;
    struct Case {
        A align;
        fw::Rect box;
        P place;
    } cases[] = {
        {A::gcaTopLeft, {10, 0, 205, 16}, P::agTopLeft},
        {A::gcaTopCenter, {0, 0, 205, 16}, P::agTopCenter},
        {A::gcaTopRight, {0, 0, 195, 16}, P::agTopRight},
        {A::gcaBottomLeft, {10, 65, 205, 81}, P::agBottomLeft},
        {A::gcaBottomCenter, {0, 65, 205, 81}, P::agBottomCenter},
        {A::gcaBottomRight, {0, 65, 195, 81}, P::agBottomRight},
        {A::gcaLeftTop, {0, 10, 16, 81}, P::agTopLeft},
        {A::gcaLeftCenter, {0, 0, 16, 81}, P::agCenterLeft},
        {A::gcaLeftBottom, {0, 0, 16, 71}, P::agBottomLeft},
        {A::gcaRightTop, {189, 10, 205, 81}, P::agTopRight},
        {A::gcaRightCenter, {189, 0, 205, 81}, P::agCenterRight},
        {A::gcaRightBottom, {189, 0, 205, 71}, P::agBottomRight},
    };
    for (const Case& c : cases) {
        const ecl::CaptionPlace place = ecl::RadioCaptionPlace(205, 81, 16, 10, c.align);
        EXPECT_EQ(place.box, c.box) << static_cast<int>(c.align);
        EXPECT_EQ(place.align, c.place) << static_cast<int>(c.align);
    }
}

TEST(RadioLayout, CaptionSideDecidesFrameLineInsetAndTextAngle) {
    using A = TEclGroupCaptionAlign;
    using S = ecl::CaptionSide;
    struct Case {
        A align;
        S side;
        int angle;
        fw::Rect frame;
        fw::Rect cleared;  // of a measured box (50, 50) - (60, 70)
    } cases[] = {
        {A::gcaTopRight, S::Top, 0, {0, 7, 205, 81}, {48, 50, 60, 70}},
        {A::gcaLeftCenter, S::Left, 90, {7, 0, 205, 81}, {50, 50, 60, 72}},
        {A::gcaBottomLeft, S::Bottom, 0, {0, 0, 205, 74}, {48, 50, 60, 70}},
        {A::gcaRightBottom, S::Right, 270, {0, 0, 198, 81}, {50, 48, 60, 70}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.align));
        EXPECT_EQ(ecl::SideOf(c.align), c.side);
        EXPECT_EQ(ecl::CaptionAngle(c.align), c.angle);
        EXPECT_EQ(ecl::RadioFrameRect(205, 81, 16, c.side), c.frame);
        EXPECT_EQ(ecl::RadioFrameRect(205, 81, 0, c.side), (fw::Rect{0, 0, 205, 81})) << "no caption";
        EXPECT_EQ(ecl::CaptionClearRect({50, 50, 60, 70}, c.side), c.cleared);
    }
}

TEST(RadioLayout, LeftCaptionTakesItsRoomFromTheLeftOfTwoColumns) {
    RadioGroupGeometry g = MainWindowGroup(16);
    g.side = ecl::CaptionSide::Left;
    g.columns = 2;
    g.count = 3;
    // Inner (17, 3) - (202, 78): column width (185 - 4) div 2 - 1 = 89; two rows (75 - 2) div 2 = 36.
    EXPECT_EQ(ecl::RadioInnerRect(g), (fw::Rect{17, 3, 202, 78}));
    EXPECT_EQ(LayOutRadioItems(g), (std::vector<fw::Rect>{At(21, 4, 89, 36), At(21, 40, 89, 36), At(110, 4, 89, 36)}));
}

TEST(RadioLayout, BottomAndRightCaptionsTakeTheirRoomFromTheirSide) {
    RadioGroupGeometry g = MainWindowGroup(16);
    g.side = ecl::CaptionSide::Bottom;
    g.columns = 2;
    g.count = 4;
    // Inner (3, 3) - (202, 64): column width (199 - 4) div 2 - 1 = 96; rows (61 - 2) div 2 = 29,
    // the first 1 + (29 mod 2) div 2 below the inner top.
    EXPECT_EQ(ecl::RadioInnerRect(g), (fw::Rect{3, 3, 202, 64}));
    EXPECT_EQ(LayOutRadioItems(g),
              (std::vector<fw::Rect>{At(7, 4, 96, 29), At(7, 33, 96, 29), At(103, 4, 96, 29), At(103, 33, 96, 29)}));
    g.side = ecl::CaptionSide::Right;
    EXPECT_EQ(ecl::RadioInnerRect(g), (fw::Rect{3, 3, 188, 78}));
}

TEST(RadioLayout, HitTestFindsTheItemUnderThePoint) {
    const std::vector<fw::Rect> items = LayOutRadioItems(MainWindowGroup(16));
    EXPECT_EQ(ecl::RadioItemAt(items, 7, 18), 0);
    EXPECT_EQ(ecl::RadioItemAt(items, 100, 46), 0);
    EXPECT_EQ(ecl::RadioItemAt(items, 100, 47), 1);
    EXPECT_EQ(ecl::RadioItemAt(items, 200, 75), 1);
    EXPECT_EQ(ecl::RadioItemAt(items, 201, 30), -1) << "right of the items";
    EXPECT_EQ(ecl::RadioItemAt(items, 6, 30), -1) << "in the indent";
    EXPECT_EQ(ecl::RadioItemAt(items, 50, 5), -1) << "on the caption";
}

// --- Selection rules ---

TEST(RadioSelection, ColumnsStayWithinOneToTwelve) {
    EXPECT_EQ(ecl::ClampColumns(0), 1);
    EXPECT_EQ(ecl::ClampColumns(-3), 1);
    EXPECT_EQ(ecl::ClampColumns(1), 1);
    EXPECT_EQ(ecl::ClampColumns(12), 12);
    EXPECT_EQ(ecl::ClampColumns(13), 12);
}

TEST(RadioSelection, ItemIndexIsClampedToTheItemsOrNone) {
    EXPECT_EQ(ecl::ClampItemIndex(5, 2), 1);
    EXPECT_EQ(ecl::ClampItemIndex(-7, 2), -1);
    EXPECT_EQ(ecl::ClampItemIndex(1, 2), 1);
    EXPECT_EQ(ecl::ClampItemIndex(0, 0), -1) << "no items: nothing can be selected";
}

TEST(RadioSelection, ArrowKeysWrapAroundAtTheEnds) {
    EXPECT_EQ(ecl::NextItem(0, 2, true), 1);
    EXPECT_EQ(ecl::NextItem(1, 2, true), 0);
    EXPECT_EQ(ecl::NextItem(0, 2, false), 1);
    EXPECT_EQ(ecl::NextItem(2, 3, false), 1);
    EXPECT_EQ(ecl::NextItem(0, 1, true), 0) << "a single item stays";
    EXPECT_EQ(ecl::NextItem(0, 0, true), -1);
    EXPECT_EQ(ecl::NextItem(-1, 3, true), 0) << "from no selection Down takes the first";
    EXPECT_EQ(ecl::NextItem(-1, 3, false), 2) << "and Up the last";
    EXPECT_EQ(ecl::NextItem(3, 3, false), 2) << "an index past the end counts as none";
}

TEST(RadioSelection, AcceleratorIsTheLetterAfterASingleAmpersand) {
    struct Case {
        const char* caption;
        char letter;
    } cases[] = {
        {"&32 Bit", '3'}, {"SELECT &OS TYPE", 'O'}, {"s&elect", 'E'}, {"R&&D", 0},    {"R&&&D", 'D'}, {"trailing&", 0},
        {"", 0},          {"no mark", 0},           {"&&&&", 0},      {"a&b&c", 'B'},
    };
    for (const Case& c : cases) EXPECT_EQ(fw::AccelChar(c.caption), c.letter) << c.caption;
}

TEST(RadioSelection, CaptionOfBlanksAndControlCharactersShowsNothing) {
    EXPECT_FALSE(ecl::CaptionShows(""));
    EXPECT_FALSE(ecl::CaptionShows("  \t\r\n "));
    EXPECT_TRUE(ecl::CaptionShows(" SELECT OS TYPE "));
    EXPECT_TRUE(ecl::CaptionShows("\xC4"));  // a letter of the upper half of the code page
}

}  // namespace
