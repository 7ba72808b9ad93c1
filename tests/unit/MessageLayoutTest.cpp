#include "framework/MessageLayout.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

using fw::MessageParts;
using fw::Rect;
using fw::Size;

fw::MessageSpacing Spacing() {
    fw::MessageSpacing spacing;
    spacing.margin = 10;
    spacing.iconGap = 12;
    spacing.buttonGap = 6;
    spacing.rowGap = 11;
    spacing.button = {75, 23};
    spacing.buttonPadding = 6;
    return spacing;
}

bool Inside(const Rect& inner, Size client, int margin) {
    return inner.left >= margin && inner.top >= margin && inner.right <= client.width - margin &&
           inner.bottom <= client.height - margin;
}

TEST(MessageLayout, TextNeverWiderThanHalfTheScreen) {
    const int limit = fw::MaxTextWidth(1280);
    EXPECT_EQ(limit, 640);

    MessageParts parts{{900, 16}, {32, 32}, {20, 15}, 0};
    const auto layout = fw::LayOutMessage(parts, Spacing(), limit);
    EXPECT_EQ(layout.text.Width(), limit);
    EXPECT_EQ(layout.client.width, 10 + 32 + 12 + limit + 10);

    parts.text = {639, 48};
    EXPECT_EQ(fw::LayOutMessage(parts, Spacing(), limit).text.Width(), 639);
}

TEST(MessageLayout, IconBesideTextBothCentredInTheirRow) {
    const MessageParts tallText{{300, 80}, {32, 32}, {20}, 0};
    auto layout = fw::LayOutMessage(tallText, Spacing(), 640);
    EXPECT_EQ(layout.icon, (Rect{10, 34, 42, 66}));
    EXPECT_EQ(layout.text, (Rect{54, 10, 354, 90}));

    const MessageParts shortText{{300, 16}, {32, 32}, {20}, 0};
    layout = fw::LayOutMessage(shortText, Spacing(), 640);
    EXPECT_EQ(layout.icon, (Rect{10, 10, 42, 42}));
    EXPECT_EQ(layout.text, (Rect{54, 18, 354, 34}));
    // The buttons start below the taller of the two.
    EXPECT_EQ(layout.buttons.at(0).top, 42 + 11);
}

TEST(MessageLayout, WithoutIconTextStartsAtTheMargin) {
    const MessageParts parts{{300, 16}, {}, {20}, 0};
    const auto layout = fw::LayOutMessage(parts, Spacing(), 640);
    EXPECT_EQ(layout.icon, Rect{});
    EXPECT_EQ(layout.text, (Rect{10, 10, 310, 26}));
    EXPECT_EQ(layout.client, (Size{320, 10 + 16 + 11 + 23 + 10}));
}

TEST(MessageLayout, ButtonsCentredAtTheBottomInOrder) {
    const MessageParts parts{{401, 16}, {}, {20, 15}, 0};
    const auto layout = fw::LayOutMessage(parts, Spacing(), 640);
    ASSERT_EQ(layout.buttons.size(), 2u);
    const Rect& first = layout.buttons[0];
    const Rect& second = layout.buttons[1];
    EXPECT_EQ(first.right + 6, second.left);
    EXPECT_EQ(first.top, second.top);
    EXPECT_EQ(first.bottom + 10, layout.client.height);
    EXPECT_GE(first.top, layout.text.bottom + 11);
    // Equal space on both sides, give or take the odd pixel.
    EXPECT_LE(std::abs(first.left - (layout.client.width - second.right)), 1);
}

TEST(MessageLayout, DialogWideEnoughForItsButtons) {
    const MessageParts parts{{40, 16}, {}, {20, 15}, 0};
    const auto layout = fw::LayOutMessage(parts, Spacing(), 640);
    EXPECT_EQ(layout.client.width, 10 + 75 + 6 + 75 + 10);
    ASSERT_EQ(layout.buttons.size(), 2u);
    EXPECT_EQ(layout.buttons[0].left, 10);
    EXPECT_EQ(layout.buttons[1].right, layout.client.width - 10);
    for (const auto& button : layout.buttons) EXPECT_TRUE(Inside(button, layout.client, 10));
    EXPECT_TRUE(Inside(layout.text, layout.client, 10));
}

TEST(MessageLayout, LongCaptionWidensEveryButtonAlike) {
    const MessageParts parts{{40, 16}, {}, {30, 100, 10}, 0};
    const auto layout = fw::LayOutMessage(parts, Spacing(), 640);
    ASSERT_EQ(layout.buttons.size(), 3u);
    for (const auto& button : layout.buttons) EXPECT_EQ(button.Width(), 100 + 2 * 6);
    EXPECT_EQ(layout.client.width, 10 + 3 * 112 + 2 * 6 + 10);
}

TEST(MessageLayout, WideCaptionBarWidensTheDialogAndButtonsStayCentred) {
    const MessageParts parts{{40, 16}, {}, {20}, 300};
    const auto layout = fw::LayOutMessage(parts, Spacing(), 640);
    EXPECT_EQ(layout.client.width, 300);
    ASSERT_EQ(layout.buttons.size(), 1u);
    EXPECT_EQ(layout.buttons[0], (Rect{112, 37, 187, 60}));
    EXPECT_EQ(layout.text.left, 10);
}

TEST(MessageLayout, StandardSpacingFollowsTheFont) {
    const auto small = fw::StandardSpacing({6, 13});
    EXPECT_EQ(small.button, (Size{75, 22}));
    EXPECT_EQ(small.margin, 10);
    const auto large = fw::StandardSpacing({12, 26});
    EXPECT_EQ(large.button, (Size{150, 45}));
    EXPECT_GT(large.rowGap, small.rowGap);
}

TEST(MessageLayout, CentreInTheWorkArea) {
    const Rect workArea{0, 30, 1280, 1024};  // a task bar along the top
    EXPECT_EQ(fw::CentreIn(workArea, {300, 200}), (Rect{490, 427, 790, 627}));
    // An odd remainder rounds towards the top-left.
    EXPECT_EQ(fw::CentreIn(workArea, {301, 201}), (Rect{489, 426, 790, 627}));
    // Larger than the area: the caption stays on the screen.
    EXPECT_EQ(fw::CentreIn(workArea, {1500, 1200}), (Rect{0, 30, 1500, 1230}));
}

}  // namespace

TEST(MessageLayout, ShownTextIsCutOnlyBeyondItsLimit) {
    const std::string longest(fw::kLongestMessageText, 'x');
    EXPECT_EQ(fw::ShownMessageText(longest), longest);
    EXPECT_EQ(fw::ShownMessageText(""), "");
    const std::string cut = fw::ShownMessageText(longest + "y");
    EXPECT_EQ(cut.size(), fw::kLongestMessageText);
    EXPECT_EQ(cut, longest.substr(0, fw::kLongestMessageText - 3) + "...");
}
