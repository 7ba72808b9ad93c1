// The speed button's mouse state machine, the push button's look, the glyph cell shown in each
// state and the number of cells a glyph strip gets from its size.
#include <gtest/gtest.h>

#include "controls/ButtonState.h"

namespace {

using ecl::ButtonState;
using ecl::SpeedButtonTracker;

TEST(SpeedButtonState, PointerOverItMakesItHotAndLeavingMakesItUpAgain) {
    SpeedButtonTracker t;
    EXPECT_EQ(t.State(), ButtonState::Up);
    t.Enter();
    EXPECT_EQ(t.State(), ButtonState::Hot);
    t.Leave();
    EXPECT_EQ(t.State(), ButtonState::Up);
}

TEST(SpeedButtonState, PressAndReleaseOverItClicksOnceAndLeavesItHot) {
    SpeedButtonTracker t;
    t.Enter();
    t.Press();
    EXPECT_EQ(t.State(), ButtonState::Pushed);
    EXPECT_TRUE(t.Tracking());
    EXPECT_TRUE(t.Release(true));
    EXPECT_EQ(t.State(), ButtonState::Hot);
    EXPECT_FALSE(t.Tracking());
    // A second release without a press does not click again.
    EXPECT_FALSE(t.Release(true));
}

TEST(SpeedButtonState, DraggingOffAndReleasingOutsideDoesNotClick) {
    SpeedButtonTracker t;
    t.Enter();
    t.Press();
    t.Move(false);
    EXPECT_EQ(t.State(), ButtonState::Up) << "off the button while held: the face is up";
    EXPECT_FALSE(t.Release(false));
    EXPECT_EQ(t.State(), ButtonState::Up);
    EXPECT_FALSE(t.Tracking());
}

TEST(SpeedButtonState, DraggingBackOnPushesAgainAndReleaseThereClicks) {
    SpeedButtonTracker t;
    t.Press();
    t.Move(false);
    t.Move(true);
    EXPECT_EQ(t.State(), ButtonState::Pushed);
    EXPECT_TRUE(t.Release(true));
}

TEST(SpeedButtonState, ReleaseWithoutAPressOnItNeverClicks) {
    SpeedButtonTracker t;
    t.Enter();
    EXPECT_FALSE(t.Release(true));
    EXPECT_EQ(t.State(), ButtonState::Hot);
}

TEST(SpeedButtonState, MovingOverItWhileNotTrackingShowsHot) {
    SpeedButtonTracker t;
    t.Press();
    t.Move(false);
    EXPECT_FALSE(t.Release(false));
    t.Move(true);
    EXPECT_EQ(t.State(), ButtonState::Hot);
}

TEST(SpeedButtonState, DisabledButtonIgnoresTheMouse) {
    SpeedButtonTracker t;
    t.SetEnabled(false);
    EXPECT_EQ(t.State(), ButtonState::Disabled);
    t.Enter();
    EXPECT_EQ(t.State(), ButtonState::Disabled);
    t.Press();
    EXPECT_EQ(t.State(), ButtonState::Disabled);
    EXPECT_FALSE(t.Release(true));
    t.Move(true);
    EXPECT_EQ(t.State(), ButtonState::Disabled);
    t.SetEnabled(true);
    EXPECT_EQ(t.State(), ButtonState::Up);
}

TEST(SpeedButtonState, DisablingWhileHeldDropsThePress) {
    SpeedButtonTracker t;
    t.Press();
    t.SetEnabled(false);
    EXPECT_FALSE(t.Release(true));
    EXPECT_EQ(t.State(), ButtonState::Disabled);
}

TEST(SpeedButtonState, HotTrackingTickEndsHotOnlyWithThePointerAway) {
    SpeedButtonTracker t;
    EXPECT_FALSE(t.HotTimerWanted()) << "no timer while up";
    t.Enter();
    ASSERT_TRUE(t.HotTimerWanted());
    t.Tick(true);
    EXPECT_EQ(t.State(), ButtonState::Hot) << "pointer still over it";
    t.Tick(false);
    EXPECT_EQ(t.State(), ButtonState::Up);
    EXPECT_FALSE(t.HotTimerWanted());

    // Pushed, latched or disabled buttons want no timer, and a tick changes none of them.
    t.Enter();
    t.Press();
    EXPECT_FALSE(t.HotTimerWanted());
    t.Tick(false);
    EXPECT_EQ(t.State(), ButtonState::Pushed);
    t.Release(true);
    t.SetLatched(true);
    EXPECT_FALSE(t.HotTimerWanted());
    t.Tick(false);
    EXPECT_EQ(t.State(), ButtonState::Down);
    t.SetEnabled(false);
    t.Tick(false);
    EXPECT_EQ(t.State(), ButtonState::DisabledDown);
}

TEST(SpeedButtonState, LatchedButtonShowsDownWhilePressedDraggedAndDisabled) {
    SpeedButtonTracker t;
    t.SetLatched(true);
    EXPECT_EQ(t.State(), ButtonState::Down);
    t.Enter();
    EXPECT_EQ(t.State(), ButtonState::Down) << "a latched button is never hot";
    t.Press();
    EXPECT_EQ(t.State(), ButtonState::Down);
    t.Move(false);
    EXPECT_EQ(t.State(), ButtonState::Down);
    EXPECT_FALSE(t.Release(false));
    EXPECT_EQ(t.State(), ButtonState::Down);
    t.Press();
    EXPECT_TRUE(t.Release(true));
    EXPECT_EQ(t.State(), ButtonState::Down);
    t.SetEnabled(false);
    EXPECT_EQ(t.State(), ButtonState::DisabledDown);
    t.SetLatched(false);
    EXPECT_EQ(t.State(), ButtonState::Disabled);
    t.SetEnabled(true);
    EXPECT_EQ(t.State(), ButtonState::Up);
}

TEST(SpeedButtonGroup, ClicksLatchOneButtonAndReleaseTheOther) {
    struct Step {
        std::size_t clicked;
        bool allowAllUp;
        std::vector<bool> after;
    };
    const Step steps[] = {
        {0, false, {true, false}},  // first click latches
        {0, false, {true, false}},  // clicking the latched one keeps it down
        {1, false, {false, true}},  // the other takes over
        {1, true, {false, false}},  // with all-up allowed it releases
        {1, true, {false, true}},   // and latches again
        {0, true, {true, false}},   //
        {5, true, {true, false}},   // no such button: nothing changes
    };
    std::vector<bool> down{false, false};
    for (const Step& s : steps) {
        ecl::ClickInGroup(down, s.clicked, s.allowAllUp);
        EXPECT_EQ(down, s.after) << "click on " << s.clicked << " all-up " << s.allowAllUp;
    }
    ecl::SetDownInGroup(down, 1, true);
    EXPECT_EQ(down, (std::vector<bool>{false, true}));
    ecl::SetDownInGroup(down, 0, false);
    EXPECT_EQ(down, (std::vector<bool>{false, true})) << "releasing an up button leaves the other down";
    ecl::SetDownInGroup(down, 1, false);
    EXPECT_EQ(down, (std::vector<bool>{false, false}));
}

TEST(ButtonFaceKind, VisualStyleDrawsOnlyItsStylesAndOnlyItShowsHot) {
    using S = TEclUserButtonStyle;
    using ecl::FaceKind;
    EXPECT_EQ(ecl::FaceFor(S::ubsWin40, true), FaceKind::Themed);
    EXPECT_EQ(ecl::FaceFor(S::ubsIntegrated, true), FaceKind::Themed);
    EXPECT_EQ(ecl::FaceFor(S::ubsWin40, false), FaceKind::Win40);
    EXPECT_EQ(ecl::FaceFor(S::ubsIntegrated, false), FaceKind::Integrated);
    EXPECT_EQ(ecl::FaceFor(S::ubsFlat, true), FaceKind::Win40) << "no theme data for the flat styles";
    EXPECT_EQ(ecl::FaceFor(S::ubsOffice, false), FaceKind::Win40);
    EXPECT_TRUE(ecl::HotShows(FaceKind::Themed));
    EXPECT_FALSE(ecl::HotShows(FaceKind::Win40));
    EXPECT_FALSE(ecl::HotShows(FaceKind::Integrated));

    using T = ecl::ThemedState;
    EXPECT_EQ(ecl::ThemedStateFor(ButtonState::DisabledDown, true), T::Disabled);
    EXPECT_EQ(ecl::ThemedStateFor(ButtonState::Down, false), T::Pressed);
    EXPECT_EQ(ecl::ThemedStateFor(ButtonState::Hot, true), T::Hot) << "hot wins over the focus";
    EXPECT_EQ(ecl::ThemedStateFor(ButtonState::Up, true), T::Defaulted);
    EXPECT_EQ(ecl::ThemedStateFor(ButtonState::Up, false), T::Normal);
}

TEST(PushButtonState, DisabledWinsOverPressedWhichWinsOverHot) {
    EXPECT_EQ(ecl::PushButtonState(false, true, true), ButtonState::Disabled);
    EXPECT_EQ(ecl::PushButtonState(false, false, false), ButtonState::Disabled);
    EXPECT_EQ(ecl::PushButtonState(true, true, true), ButtonState::Pushed);
    EXPECT_EQ(ecl::PushButtonState(true, true, false), ButtonState::Pushed);
    EXPECT_EQ(ecl::PushButtonState(true, false, true), ButtonState::Hot);
    EXPECT_EQ(ecl::PushButtonState(true, false, false), ButtonState::Up);
}

// --- Glyph cells ---

struct CellCase {
    ButtonState state;
    int numGlyphs;
    int cell;
    bool greyed;
};

class GlyphCell : public testing::TestWithParam<CellCase> {};

TEST_P(GlyphCell, ShowsTheStatesOwnCellOrFallsBack) {
    const CellCase& c = GetParam();
    const ecl::GlyphCell got = ecl::GlyphCellFor(c.state, c.numGlyphs);
    EXPECT_EQ(got.index, c.cell);
    EXPECT_EQ(got.greyed, c.greyed);
}

INSTANTIATE_TEST_SUITE_P(
    States, GlyphCell,
    testing::Values(
        // The Exit and Help glyphs (two cells): cell 0 in every enabled state, cell 1 when disabled.
        CellCase{ButtonState::Up, 2, 0, false}, CellCase{ButtonState::Hot, 2, 0, false},
        CellCase{ButtonState::Pushed, 2, 0, false}, CellCase{ButtonState::Down, 2, 0, false},
        CellCase{ButtonState::Disabled, 2, 1, false}, CellCase{ButtonState::DisabledDown, 2, 1, false},
        // The About glyph (one cell): a greyed copy of cell 0 when disabled.
        CellCase{ButtonState::Up, 1, 0, false}, CellCase{ButtonState::Hot, 1, 0, false},
        CellCase{ButtonState::Disabled, 1, 0, true}, CellCase{ButtonState::DisabledDown, 1, 0, true},
        // Strips with more cells give each state its own as far as they go.
        CellCase{ButtonState::Hot, 3, 2, false}, CellCase{ButtonState::Down, 3, 0, false},
        CellCase{ButtonState::Down, 4, 3, false}, CellCase{ButtonState::Pushed, 4, 0, false},
        CellCase{ButtonState::Pushed, 5, 4, false}, CellCase{ButtonState::Disabled, 5, 1, false},
        CellCase{ButtonState::Menu, 5, 0, false}));

struct SizeCase {
    int width, height, current;
    int cells;
};

class GlyphStripCells : public testing::TestWithParam<SizeCase> {};

TEST_P(GlyphStripCells, FollowTheBitmapsProportions) {
    const SizeCase& c = GetParam();
    EXPECT_EQ(ecl::NumGlyphsForSize(c.width, c.height, c.current), c.cells);
}

INSTANTIATE_TEST_SUITE_P(Sizes, GlyphStripCells,
                         testing::Values(SizeCase{36, 18, 1, 2},   // Exit
                                         SizeCase{18, 18, 3, 1},   // About
                                         SizeCase{32, 16, 1, 2},   // Help
                                         SizeCase{80, 16, 1, 5},   // five cells: the most a strip has
                                         SizeCase{96, 16, 4, 1},   // six or more: one picture
                                         SizeCase{160, 16, 4, 1},  //
                                         SizeCase{30, 16, 3, 3},   // not a multiple: kept as set
                                         SizeCase{8, 16, 2, 2}));  // narrower than tall: kept

}  // namespace
