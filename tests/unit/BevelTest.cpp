// The bevel frame: the pixels it takes from its owner in each mode, and when it tells its owner.
#include <gtest/gtest.h>

#include "controls/Bevel.h"

namespace {

using BS = TEclBevelStyle;

// Counts the change notifications a bevel sends to its owner.
struct WatchedBevel {
    WatchedBevel() {
        bevel.SetOnChange([this] { ++changes; });
    }
    TEclBevel bevel;
    int changes = 0;
};

TEST(Bevel, NewBevelIsCustomWithoutAnyEdgeAndTakesNoRoom) {
    TEclBevel b;
    EXPECT_EQ(b.Mode(), TEclBevelMode::bmCustom);
    EXPECT_EQ(b.Extent(), 0);
    EXPECT_EQ(b.OuterExtent(), 0);
    EXPECT_FALSE(b.ThemeSupport());
}

// --- Custom mode ---

struct CustomCase {
    BS outer;
    BS inner;
    int widthOuter, widthInner, borderWidth, borderInnerWidth;
    int extent;
};

class BevelCustomExtent : public testing::TestWithParam<CustomCase> {};

TEST_P(BevelCustomExtent, AddsTheEdgesThatAreDrawn) {
    const CustomCase& c = GetParam();
    TEclBevel b;
    b.SetWidthOuter(c.widthOuter);
    b.SetWidthInner(c.widthInner);
    b.SetBorderWidth(c.borderWidth);
    b.SetBorderInnerWidth(c.borderInnerWidth);
    b.SetStyleOuter(c.outer);
    b.SetStyleInner(c.inner);
    EXPECT_EQ(b.Extent(), c.extent);
}

INSTANTIATE_TEST_SUITE_P(
    Styles, BevelCustomExtent,
    testing::Values(
        // Without edges only the border rings count, whatever the widths say.
        CustomCase{BS::bvNone, BS::bvNone, 3, 4, 0, 0, 0}, CustomCase{BS::bvNone, BS::bvNone, 3, 4, 2, 1, 3},
        // Each edge adds its width.
        CustomCase{BS::bvLowered, BS::bvNone, 3, 4, 0, 0, 3}, CustomCase{BS::bvNone, BS::bvRaised, 3, 4, 0, 0, 4},
        CustomCase{BS::bvLowered, BS::bvRaised, 3, 4, 2, 1, 10}, CustomCase{BS::bvNormal, BS::bvNormal, 1, 1, 0, 0, 2},
        // Frame styles are a double line: one pixel more each.
        CustomCase{BS::bvFrameLowered, BS::bvNone, 2, 1, 0, 0, 3},
        CustomCase{BS::bvFrameRaised, BS::bvFrameLowered, 2, 3, 0, 0, 7},
        // A drop shadow takes the inner width and the inner rings only.
        CustomCase{BS::bvShadow, BS::bvShadow, 5, 2, 7, 1, 3}));

TEST(Bevel, DropShadowTakesMoreOnTheOuterSide) {
    TEclBevel b;
    b.SetWidthOuter(5);
    b.SetWidthInner(2);
    b.SetBorderInnerWidth(1);
    b.SetStyleOuter(BS::bvShadow);
    EXPECT_EQ(b.Extent(), 3);
    EXPECT_EQ(b.OuterExtent(), 8);
    b.SetStyleOuter(BS::bvLowered);
    EXPECT_EQ(b.OuterExtent(), b.Extent());
}

TEST(Bevel, ShadowStyleCouplesBothEdges) {
    TEclBevel b;
    b.SetStyleInner(BS::bvRaised);
    b.SetStyleOuter(BS::bvShadow);
    EXPECT_EQ(b.StyleInner(), BS::bvShadow);
    // Leaving the shadow on one side clears the other.
    b.SetStyleOuter(BS::bvLowered);
    EXPECT_EQ(b.StyleInner(), BS::bvNone);

    b.SetStyleInner(BS::bvShadow);
    EXPECT_EQ(b.StyleOuter(), BS::bvShadow);
    b.SetStyleInner(BS::bvRaised);
    EXPECT_EQ(b.StyleOuter(), BS::bvNone);
    EXPECT_EQ(b.StyleInner(), BS::bvRaised);
}

TEST(Bevel, ChangingAnEdgeThatIsNotAShadowLeavesTheOtherAlone) {
    TEclBevel b;
    b.SetStyleOuter(BS::bvLowered);
    b.SetStyleInner(BS::bvRaised);
    b.SetStyleOuter(BS::bvFrameRaised);
    EXPECT_EQ(b.StyleInner(), BS::bvRaised);
}

// --- Standard mode ---

struct StandardCase {
    TEclBorderStyle style;
    int lines;
};

class BevelStandardExtent : public testing::TestWithParam<StandardCase> {};

TEST_P(BevelStandardExtent, TakesItsLinesPlusTheInnerRings) {
    TEclBevel b;
    b.SetMode(TEclBevelMode::bmStandard);
    b.SetStandardStyle(GetParam().style);
    EXPECT_EQ(b.Extent(), GetParam().lines);
    b.SetBorderInnerWidth(3);
    EXPECT_EQ(b.Extent(), GetParam().lines + 3);
}

using LS = TEclBorderStyle;
INSTANTIATE_TEST_SUITE_P(AllStyles, BevelStandardExtent,
                         testing::Values(StandardCase{LS::lsNone, 0}, StandardCase{LS::lsSingle, 1},
                                         StandardCase{LS::lsSingleRaised, 1}, StandardCase{LS::lsSingleLowered, 1},
                                         StandardCase{LS::lsLowered, 2}, StandardCase{LS::lsRaised, 2},
                                         StandardCase{LS::lsRaisedspb, 2}, StandardCase{LS::lsLoweredspb, 2},
                                         StandardCase{LS::lsRaisedExt, 2}, StandardCase{LS::lsLoweredExt, 2},
                                         StandardCase{LS::lsFrameInset, 2}, StandardCase{LS::lsFrameOffset, 2},
                                         StandardCase{LS::lsWindowBorder, 2}, StandardCase{LS::lsDoubleRaised, 2},
                                         StandardCase{LS::lsDoubleLowered, 2}));

TEST(Bevel, StandardStyleIsDefaultSingleLowered) {
    TEclBevel b;
    b.SetMode(TEclBevelMode::bmStandard);
    EXPECT_EQ(b.StandardStyle(), LS::lsSingleLowered);
    EXPECT_EQ(b.Extent(), 1);
}

// --- Edge and Windows modes ---

TEST(Bevel, EdgeModeTakesTwoPixelsWhenAnySideIsDrawn) {
    TEclBevel b;
    b.SetMode(TEclBevelMode::bmEdge);
    EXPECT_EQ(b.Extent(), 2);
    b.SetBorderSides(TEclBorderSides{TEclBorderSide::fsTop});
    b.SetBorderInnerWidth(2);
    EXPECT_EQ(b.Extent(), 4);
    b.SetBorderSides({});
    EXPECT_EQ(b.Extent(), 2) << "no sides: only the inner rings";
}

TEST(Bevel, WindowsModeIsTwoPixelsUnlessThePlatformDrawsTheBorder) {
    TEclBevel b;
    b.SetMode(TEclBevelMode::bmWindows);
    EXPECT_EQ(b.Extent(), 2);
    b.SetBorderInnerWidth(3);
    EXPECT_EQ(b.Extent(), 5);
    b.SetThemeSupport(true);
    EXPECT_EQ(b.Extent(), 0);
    // The flag counts in Windows mode only.
    b.SetMode(TEclBevelMode::bmEdge);
    EXPECT_EQ(b.Extent(), 5);
}

// --- Notifications ---

TEST(BevelNotification, EveryRealChangeTellsTheOwnerOnce) {
    WatchedBevel w;
    w.bevel.SetMode(TEclBevelMode::bmWindows);
    w.bevel.SetWidthInner(3);
    w.bevel.SetBorderColor(fw::clBlack);
    w.bevel.SetBorderSides({});
    w.bevel.SetEdgeStyle(TEclEdgeStyle::etBump);
    w.bevel.SetLightColor(fw::clWhite);
    w.bevel.SetShadowColor(fw::clGray);
    w.bevel.SetBorderWidth(1);
    w.bevel.SetBorderInnerWidth(1);
    w.bevel.SetWidthOuter(2);
    w.bevel.SetStyleInner(BS::bvRaised);
    w.bevel.SetStyleOuter(BS::bvLowered);
    EXPECT_EQ(w.changes, 12);
}

TEST(BevelNotification, SettingTheSameValueSaysNothing) {
    WatchedBevel w;
    w.bevel.SetMode(TEclBevelMode::bmCustom);
    w.bevel.SetWidthInner(1);
    w.bevel.SetBorderColor(fw::clBtnFace);
    w.bevel.SetStyleInner(BS::bvNone);
    w.bevel.SetEdgeStyle(TEclEdgeStyle::etEtched);
    EXPECT_EQ(w.changes, 0);
}

TEST(BevelNotification, StandardStyleNotifiesOnlyInStandardMode) {
    WatchedBevel w;
    w.bevel.SetStandardStyle(LS::lsRaised);
    EXPECT_EQ(w.changes, 0);
    EXPECT_EQ(w.bevel.Extent(), 0);
    w.bevel.SetMode(TEclBevelMode::bmStandard);
    EXPECT_EQ(w.changes, 1);
    EXPECT_EQ(w.bevel.Extent(), 2) << "the style set in custom mode was kept";
    w.bevel.SetStandardStyle(LS::lsSingle);
    EXPECT_EQ(w.changes, 2);
}

TEST(BevelNotification, UpdateHoldsNotificationsBack) {
    WatchedBevel w;
    w.bevel.BeginUpdate();
    w.bevel.SetMode(TEclBevelMode::bmWindows);
    w.bevel.SetBorderInnerWidth(2);
    EXPECT_EQ(w.changes, 0);
    w.bevel.EndUpdate(true);
    EXPECT_EQ(w.changes, 1);
    w.bevel.BeginUpdate();
    w.bevel.SetBorderInnerWidth(1);
    w.bevel.EndUpdate(false);
    EXPECT_EQ(w.changes, 1);
    EXPECT_EQ(w.bevel.Extent(), 3);
}

TEST(BevelNotification, AssignCopiesEverythingWithTheThemeFlagAndNotifiesOnce) {
    TEclBevel source;
    source.SetMode(TEclBevelMode::bmWindows);
    source.SetBorderInnerWidth(4);
    source.SetStyleOuter(BS::bvFrameRaised);
    source.SetBorderColor(fw::clRed);
    source.SetStandardStyle(LS::lsDoubleRaised);
    source.SetThemeSupport(true);

    WatchedBevel w;
    w.bevel.Assign(source);
    EXPECT_EQ(w.changes, 1);
    EXPECT_EQ(w.bevel.Mode(), TEclBevelMode::bmWindows);
    EXPECT_EQ(w.bevel.BorderInnerWidth(), 4);
    EXPECT_EQ(w.bevel.StyleOuter(), BS::bvFrameRaised);
    EXPECT_EQ(w.bevel.BorderColor(), fw::clRed);
    EXPECT_EQ(w.bevel.StandardStyle(), LS::lsDoubleRaised);
    EXPECT_TRUE(w.bevel.ThemeSupport());
    EXPECT_EQ(w.bevel.Extent(), 0);
}

TEST(Bevel, WidthsAreBytes) {
    TEclBevel b;
    b.SetWidthOuter(256 + 3);
    b.SetBorderInnerWidth(256 + 1);
    EXPECT_EQ(b.WidthOuter(), 3);
    EXPECT_EQ(b.BorderInnerWidth(), 1);
}

}  // namespace
