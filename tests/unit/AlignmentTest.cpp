// Placement of a block in a box by the nine alignments, the text-drawing flags each one stands
// for, and the placement of a dialog window inside its reference rectangle.
#include <gtest/gtest.h>

#include "controls/Alignment.h"
#include "framework/DialogPosition.h"
#include "controls/TextFormat.h"

namespace {

using ecl::AlignBlock;
using ecl::AlignmentFlags;

struct AlignCase {
    TEclAlignment alignment;
    int left;  // expected top-left corner of a 31 x 17 block in the box (10, 20) - (110, 70)
    int top;
    unsigned flags;  // the DrawText flags of the alignment
};

// The box is 100 x 50 and the block 31 x 17: 69 pixels to share horizontally and 33 vertically,
// both odd, so a centred block keeps the odd pixel on its right and bottom (34 + 35, 16 + 17).
const AlignCase kAlignCases[] = {
    {TEclAlignment::agTopLeft, 10, 20, 0x0},     {TEclAlignment::agTopCenter, 44, 20, 0x1},
    {TEclAlignment::agTopRight, 79, 20, 0x2},    {TEclAlignment::agCenterLeft, 10, 36, 0x4},
    {TEclAlignment::agCenter, 44, 36, 0x5},      {TEclAlignment::agCenterRight, 79, 36, 0x6},
    {TEclAlignment::agBottomLeft, 10, 53, 0x8},  {TEclAlignment::agBottomCenter, 44, 53, 0x9},
    {TEclAlignment::agBottomRight, 79, 53, 0xA},
};

class AlignmentPlacement : public testing::TestWithParam<AlignCase> {};

TEST_P(AlignmentPlacement, PlacesTheBlockAndKeepsItsSize) {
    const AlignCase& c = GetParam();
    const fw::Rect placed = AlignBlock({10, 20, 110, 70}, 31, 17, c.alignment);
    EXPECT_EQ(placed, fw::Rect::FromBounds(c.left, c.top, 31, 17));
}

TEST_P(AlignmentPlacement, HasTheTextDrawingFlagsOfItsPlace) {
    EXPECT_EQ(AlignmentFlags(GetParam().alignment), GetParam().flags);
}

INSTANTIATE_TEST_SUITE_P(AllNine, AlignmentPlacement, testing::ValuesIn(kAlignCases));

TEST(Alignment, BlockFillingTheBoxLandsOnItWhateverTheAlignment) {
    for (const AlignCase& c : kAlignCases)
        EXPECT_EQ(AlignBlock({3, 4, 53, 34}, 50, 30, c.alignment), (fw::Rect{3, 4, 53, 34}))
            << static_cast<int>(c.alignment);
}

TEST(Alignment, FlagsAreThoseOfTheTextDrawingCall) {
    // The label and the buttons hand these straight to DrawTextEx.
    EXPECT_EQ(AlignmentFlags(TEclAlignment::agCenter), ecl::kDtCenter | ecl::kDtVCenter);
    EXPECT_EQ(AlignmentFlags(TEclAlignment::agBottomRight), ecl::kDtRight | ecl::kDtBottom);
}

TEST(Alignment, NamesFollowTheDeclaredOrderForStoredDescriptions) {
    const auto names = EnumNames(TEclAlignment{});
    ASSERT_EQ(names.size(), 9u);
    EXPECT_EQ(names[static_cast<size_t>(TEclAlignment::agCenterLeft)], "agCenterLeft");
    EXPECT_EQ(names[static_cast<size_t>(TEclAlignment::agBottomRight)], "agBottomRight");
}

// --- Dialog placement ------------------------------------------------------------------------

using ecl::DialogOrigin;
using ecl::PlaceDialog;

struct PositionCase {
    TEclDlgPosition position;
    DialogOrigin origin;  // of a 200 x 100 window in the rectangle (100, 50) - (501, 352)
};

// The rectangle is 401 x 302, leaving 201 and 202 pixels: the centred spots are 100 and 101 in.
const PositionCase kPositionCases[] = {
    {TEclDlgPosition::bpCustom, {100, 50}},        {TEclDlgPosition::bpTopLeft, {100, 50}},
    {TEclDlgPosition::bpTopCenter, {200, 50}},     {TEclDlgPosition::bpTopRight, {301, 50}},
    {TEclDlgPosition::bpCenterLeft, {100, 151}},   {TEclDlgPosition::bpCenter, {200, 151}},
    {TEclDlgPosition::bpCenterRight, {301, 151}},  {TEclDlgPosition::bpBottomLeft, {100, 252}},
    {TEclDlgPosition::bpBottomCenter, {200, 252}}, {TEclDlgPosition::bpBottomRight, {301, 252}},
};

class DialogPlacement : public testing::TestWithParam<PositionCase> {};

TEST_P(DialogPlacement, AlignsTheWindowWithTheReferenceRectangle) {
    const PositionCase& c = GetParam();
    EXPECT_EQ(PlaceDialog({100, 50, 501, 352}, 200, 100, c.position, 1280, 1024), c.origin);
}

INSTANTIATE_TEST_SUITE_P(AllPositions, DialogPlacement, testing::ValuesIn(kPositionCases));

TEST(DialogPosition, CentringAWiderWindowTruncatesTowardZero) {
    // (50 - 81) / 2 is -15 when truncated (and -16 when rounded down).
    EXPECT_EQ(PlaceDialog({100, 100, 150, 150}, 81, 81, TEclDlgPosition::bpCenter, 1280, 1024), (DialogOrigin{85, 85}));
}

TEST(DialogPosition, IsPulledBackOntoTheDesktop) {
    // Past the right and bottom edges: moved so that the window ends at the desktop's edge.
    EXPECT_EQ(PlaceDialog({1200, 1000, 1400, 1100}, 200, 100, TEclDlgPosition::bpTopLeft, 1280, 1024),
              (DialogOrigin{1080, 924}));
    // Above and left of the desktop: to 0.
    EXPECT_EQ(PlaceDialog({-300, -200, 100, 100}, 200, 100, TEclDlgPosition::bpTopLeft, 1280, 1024),
              (DialogOrigin{0, 0}));
    // Larger than the desktop: the top-left corner stays visible.
    EXPECT_EQ(PlaceDialog({0, 0, 800, 600}, 900, 700, TEclDlgPosition::bpCenter, 800, 600), (DialogOrigin{0, 0}));
}

TEST(DialogPosition, MainWindowReferenceCentresOverIt) {
    // The main window at (122, 29), 760 x 547 outside, and a 300 x 200 dialog.
    EXPECT_EQ(PlaceDialog(fw::Rect::FromBounds(122, 29, 760, 547), 300, 200, TEclDlgPosition::bpCenter, 1280, 1024),
              (DialogOrigin{352, 202}));
}

}  // namespace
