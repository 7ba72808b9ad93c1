#include "framework/AccessibleLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using fw::NavDirection;
using fw::Rect;

Rect At(int left, int top, int width, int height) { return Rect::FromBounds(left, top, width, height); }

TEST(AccessibleLayout, ReadingOrderGoesTopToBottomThenLeftToRightKeepingTies) {
    const std::vector<Rect> rects{At(651, 453, 70, 30), At(237, 228, 78, 13), At(20, 224, 205, 45),
                                  At(499, 453, 70, 30), At(237, 228, 10, 10)};
    EXPECT_EQ(fw::ReadingOrder(rects), (std::vector<int>{2, 1, 4, 3, 0}));
    EXPECT_TRUE(fw::ReadingOrder({}).empty());
}

TEST(AccessibleLayout, AFieldIsNamedByTheNearestOverlappingLabelJustAboveIt) {
    const Rect field = At(236, 244, 489, 25);
    struct Case {
        const char* what;
        std::vector<Rect> labels;
        int expected;
    };
    const Case cases[] = {
        {"the main window's label", {At(237, 228, 78, 13)}, 0},
        {"touching the field", {At(237, 231, 78, 13)}, 0},
        {"the nearer of two", {At(237, 172, 78, 13), At(237, 228, 78, 13)}, 1},
        {"a label overlapping the field", {At(237, 240, 78, 13)}, -1},
        {"further above than the field is high", {At(237, 200, 78, 13)}, -1},
        {"beside, not over, the field", {At(100, 228, 136, 13)}, -1},
        {"just over its right end", {At(724, 228, 40, 13)}, 0},
        {"below the field", {At(237, 280, 78, 13)}, -1},
        {"no labels", {}, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(fw::LabelAbove(field, c.labels), c.expected) << c.what;
}

TEST(AccessibleLayout, NavigationStepsThroughTheListOrToTheNearestElementOnASide) {
    // A 2 x 2 grid in reading order, and a wide element under it.
    const std::vector<Rect> rects{At(0, 0, 10, 10), At(20, 0, 10, 10), At(0, 20, 10, 10), At(20, 20, 10, 10),
                                  At(0, 40, 30, 10)};
    struct Case {
        int from;
        NavDirection direction;
        int expected;
    };
    const Case cases[] = {
        {0, NavDirection::Next, 1},     {4, NavDirection::Next, -1},  {0, NavDirection::Previous, -1},
        {3, NavDirection::Previous, 2}, {-1, NavDirection::First, 0}, {-1, NavDirection::Last, 4},
        {0, NavDirection::Right, 1},    {1, NavDirection::Right, -1}, {1, NavDirection::Left, 0},
        {0, NavDirection::Down, 2},     {3, NavDirection::Down, 4},   {4, NavDirection::Up, 2},
        {0, NavDirection::Up, -1},      {5, NavDirection::Next, -1},  {-1, NavDirection::Down, -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fw::Navigate(rects, c.from, c.direction), c.expected)
            << "from " << c.from << " way " << static_cast<int>(c.direction);
    EXPECT_EQ(fw::Navigate({}, 0, NavDirection::First), -1);
}

}  // namespace
