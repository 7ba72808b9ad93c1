// Under high contrast every role draws in its own system colour; otherwise the stored one stays.
#include <gtest/gtest.h>

#include "framework/Graphics.h"

namespace {

using fw::ColorRole;

TEST(ColorRole, HighContrastTakesTheRolesSystemColourAndOffKeepsTheStoredOne) {
    const fw::Color stored = fw::Color::Rgb(255, 255, 128);
    const struct {
        ColorRole role;
        fw::Color system;
        ColorRole text;
    } rows[] = {
        {ColorRole::Window, fw::clWindow, ColorRole::WindowText},
        {ColorRole::WindowText, fw::clWindowText, ColorRole::WindowText},
        {ColorRole::ButtonFace, fw::clBtnFace, ColorRole::ButtonText},
        {ColorRole::ButtonText, fw::clBtnText, ColorRole::ButtonText},
        {ColorRole::Highlight, fw::clHighlight, ColorRole::HighlightText},
        {ColorRole::HighlightText, fw::clHighlightText, ColorRole::HighlightText},
    };
    for (const auto& r : rows) {
        const int role = static_cast<int>(r.role);
        EXPECT_EQ(fw::DrawnColor(stored, r.role, true), r.system) << role;
        EXPECT_EQ(fw::DrawnColor(stored, r.role, false), stored) << role;
        EXPECT_EQ(fw::DrawnColor(fw::clNone, r.role, true), fw::clNone) << role << ": nothing drawn stays so";
        EXPECT_EQ(fw::TextRoleOn(r.role), r.text) << role;
    }
}

}  // namespace
