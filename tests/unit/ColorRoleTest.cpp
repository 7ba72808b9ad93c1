// Under high contrast every role draws in its own system colour; otherwise the stored one stays.
#include <gtest/gtest.h>

#include <utility>

#include "framework/Graphics.h"

namespace {

using fw::ColorRole;

TEST(ColorRole, HighContrastTakesTheRolesSystemColourAndOffKeepsTheStoredOne) {
    const fw::Color stored = fw::Color::Rgb(255, 255, 128);
    const std::pair<ColorRole, fw::Color> rows[] = {
        {ColorRole::Window, fw::clWindow},       {ColorRole::WindowText, fw::clWindowText},
        {ColorRole::ButtonFace, fw::clBtnFace},  {ColorRole::ButtonText, fw::clBtnText},
        {ColorRole::Highlight, fw::clHighlight}, {ColorRole::HighlightText, fw::clHighlightText},
    };
    for (const auto& [role, system] : rows) {
        EXPECT_EQ(fw::DrawnColor(stored, role, true), system) << static_cast<int>(role);
        EXPECT_EQ(fw::DrawnColor(stored, role, false), stored) << static_cast<int>(role);
        EXPECT_EQ(fw::DrawnColor(fw::clNone, role, true), fw::clNone) << static_cast<int>(role);
    }
    // Text on a background takes the background's text role.
    EXPECT_EQ(fw::TextRoleOn(ColorRole::Window), ColorRole::WindowText);
    EXPECT_EQ(fw::TextRoleOn(ColorRole::ButtonFace), ColorRole::ButtonText);
    EXPECT_EQ(fw::TextRoleOn(ColorRole::Highlight), ColorRole::HighlightText);
}

}  // namespace
