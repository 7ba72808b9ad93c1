#include <gtest/gtest.h>

#include "framework/Graphics.h"
#include "framework/TabOrder.h"

namespace {

using fw::NextTabStop;
using fw::TabEntry;

// Visits every stop from `start` and returns the indices in the order Tab reaches them.
std::vector<int> Walk(const std::vector<TabEntry>& controls, int start, bool backwards, int steps) {
    std::vector<int> visited;
    int current = start;
    for (int i = 0; i < steps; ++i) {
        current = NextTabStop(controls, current, backwards);
        visited.push_back(current);
    }
    return visited;
}

TEST(TabOrder, FollowsTabOrderNotCreationOrderAndWraps) {
    // Creation order as on the main window: tab positions 0, 1, 2, 3 ... but stored out of order.
    const std::vector<TabEntry> controls{{0, true}, {1, true}, {2, true}, {3, true}, {4, true},
                                         {5, true}, {6, true}, {7, true}, {8, true}};
    std::vector<TabEntry> shuffled{controls[7], controls[3], controls[0], controls[8], controls[1]};
    EXPECT_EQ(Walk(shuffled, 2, false, 5), (std::vector<int>{4, 1, 0, 3, 2}));
    EXPECT_EQ(Walk(shuffled, 2, true, 5), (std::vector<int>{3, 0, 1, 4, 2}));
}

TEST(TabOrder, NothingFocusedStartsAtFirstOrLast) {
    const std::vector<TabEntry> controls{{2, true}, {0, true}, {1, true}};
    EXPECT_EQ(NextTabStop(controls, -1, false), 1);
    EXPECT_EQ(NextTabStop(controls, -1, true), 0);
}

TEST(TabOrder, SkipsControlsThatCannotTakeTheFocus) {
    const std::vector<TabEntry> controls{{0, true}, {1, false}, {2, false}, {3, true}};
    EXPECT_EQ(NextTabStop(controls, 0, false), 3);
    EXPECT_EQ(NextTabStop(controls, 3, false), 0);
    EXPECT_EQ(NextTabStop(controls, 0, true), 3);
}

TEST(TabOrder, EqualTabOrdersKeepCreationOrder) {
    const std::vector<TabEntry> controls{{1, true}, {1, true}, {0, true}};
    EXPECT_EQ(Walk(controls, 2, false, 3), (std::vector<int>{0, 1, 2}));
}

TEST(TabOrder, NoFocusableControlGivesNone) {
    EXPECT_EQ(NextTabStop({}, -1, false), -1);
    EXPECT_EQ(NextTabStop({{0, false}, {1, false}}, 0, false), -1);
    // The only stop stays focused.
    EXPECT_EQ(NextTabStop({{0, true}, {1, false}}, 0, false), 0);
}

TEST(Colors, StoredNamesAndNumbersReadBack) {
    using Traits = fw::ValueTraits<fw::Color>;
    const fw::Value name{fw::Value::Kind::Identifier, 0, "clBtnFace", {}};
    EXPECT_EQ(Traits::From(name), fw::clBtnFace);
    EXPECT_TRUE(Traits::From(name).IsSystem());
    EXPECT_EQ(Traits::From(name).SystemIndex(), 15);
    const fw::Value yellow{fw::Value::Kind::Integer, 0x0080FFFF, {}, {}};
    EXPECT_EQ(Traits::From(yellow), fw::Color::Rgb(255, 255, 128));
    EXPECT_FALSE(Traits::From(yellow).IsSystem());
    EXPECT_EQ(Traits::To(fw::clGrayText).text, "clGrayText");
    EXPECT_THROW(Traits::From(fw::Value{fw::Value::Kind::Identifier, 0, "clPurpleHaze", {}}), fw::DescriptionError);
}

}  // namespace
