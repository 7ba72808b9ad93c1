// What a bevel frame paints, mode by mode: each case draws one bevel into a 20 x 16 bitmap and
// checks the rectangle it leaves inside and the pixels that its drawing rules fix.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "Pixels.h"
#include "controls/Bevel_win.h"

namespace {

const COLORREF kUntouched = RGB(1, 2, 3);
const fw::Color kBorder = fw::Color::Rgb(200, 0, 0);
const fw::Color kOwner = fw::Color::Rgb(0, 0, 200);

struct Probe {
    int x, y;
    COLORREF colour;
};

struct BevelCase {
    std::string name;
    std::function<void(TEclBevel&)> setUp;
    bool mayLeaveUnpainted;
    fw::Rect inside;
    std::vector<Probe> probes;  // empty: nothing at all is drawn
};

TEST(BevelDrawing, EachModeDrawsItsFrameAndLeavesTheRectangleInside) {
    const COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW), highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT),
                   dark = ::GetSysColor(COLOR_3DDKSHADOW), border = fw::ToColorRef(kBorder),
                   owner = fw::ToColorRef(kOwner);
    const auto windows = [](TEclBevel& b) { b.SetMode(TEclBevelMode::bmWindows); };
    const auto sunkenEdge = [](TEclBevel& b) {
        b.SetMode(TEclBevelMode::bmEdge);
        b.SetEdgeStyle(TEclEdgeStyle::etSunkenOuter);  // one pixel wide: its band shows inside it
    };
    const auto windowsWithRings = [&](TEclBevel& b) {
        windows(b);
        b.SetBorderInnerWidth(3);
    };
    const auto custom = [](TEclBevelStyle outer) {
        return [outer](TEclBevel& b) {
            b.SetMode(TEclBevelMode::bmCustom);
            b.SetStyleOuter(outer);
        };
    };
    const std::vector<BevelCase> cases = {
        {"a new bevel", [](TEclBevel&) {}, false, {0, 0, 20, 16}, {}},
        {"bmCustom lowered: shadow above and left, light below and right",
         custom(TEclBevelStyle::bvLowered),
         false,
         {1, 1, 19, 15},
         {{5, 0, shadow}, {0, 5, shadow}, {5, 15, highlight}, {19, 5, highlight}, {5, 1, kUntouched}}},
        {"bmCustom raised: the other way round",
         custom(TEclBevelStyle::bvRaised),
         false,
         {1, 1, 19, 15},
         {{5, 0, highlight}, {0, 5, highlight}, {5, 15, shadow}, {19, 5, shadow}}},
        {"bmWindows",
         windows,
         false,
         {2, 2, 18, 14},
         {{5, 0, shadow},
          {0, 5, shadow},
          {5, 15, highlight},
          {19, 5, highlight},
          {5, 1, dark},
          {1, 5, dark},
          {18, 5, kUntouched},  // the inner right and bottom line stay unpainted
          {5, 14, kUntouched},
          {10, 8, kUntouched}}},
        {"bmWindows with three inner rings",
         windowsWithRings,
         false,
         {5, 5, 15, 11},
         {{2, 8, border},
          {3, 8, border},
          {4, 8, border},
          {15, 8, border},
          {8, 12, border},
          {5, 8, kUntouched},
          {18, 8, kUntouched}}},
        {"bmWindows with rings that may stay unpainted",
         windowsWithRings,
         true,
         {5, 5, 15, 11},
         {{0, 5, shadow}, {2, 8, kUntouched}, {4, 8, kUntouched}, {15, 8, kUntouched}}},
        {"bmEdge without sides",
         [](TEclBevel& b) {
             b.SetMode(TEclBevelMode::bmEdge);
             b.SetBorderSides({});
         },
         false,
         {0, 0, 20, 16},
         {}},
        {"bmEdge without sides, with a ring",
         [](TEclBevel& b) {
             b.SetMode(TEclBevelMode::bmEdge);
             b.SetBorderSides({});
             b.SetBorderInnerWidth(1);
         },
         false,
         {1, 1, 19, 15},
         {{0, 8, border}, {1, 8, kUntouched}, {1, 1, kUntouched}}},
        {"bmEdge that must paint its band",
         sunkenEdge,
         false,
         {2, 2, 18, 14},
         {{5, 0, shadow},
          {19, 5, highlight},
          {5, 1, owner},
          {1, 5, owner},
          {18, 5, owner},
          {5, 14, owner},
          {5, 2, kUntouched}}},
        {"bmEdge whose band may stay unpainted",
         sunkenEdge,
         true,
         {2, 2, 18, 14},
         {{5, 0, shadow}, {5, 1, kUntouched}, {18, 5, kUntouched}}},
        {"bmEdge on the left and top only",
         [&](TEclBevel& b) {
             sunkenEdge(b);
             b.SetBorderSides({TEclBorderSide::fsLeft, TEclBorderSide::fsTop});
         },
         false,
         {2, 2, 20, 16},
         {{0, 5, shadow}, {1, 5, owner}, {19, 5, kUntouched}, {18, 5, kUntouched}, {5, 15, kUntouched}}},
    };
    for (const BevelCase& c : cases) {
        SCOPED_TRACE(c.name);
        wintest::Pixels pixels(20, 16, kUntouched);
        fw::Canvas canvas(pixels.Dc());
        TEclBevel bevel;
        bevel.SetBorderColor(kBorder);
        c.setUp(bevel);
        const fw::Rect inside = ecl::DrawBevel(canvas, bevel, {0, 0, 20, 16}, c.mayLeaveUnpainted, kOwner);
        EXPECT_EQ(inside, c.inside) << "inside: " << inside.left << ", " << inside.top << ", " << inside.right << ", "
                                    << inside.bottom;
        if (c.probes.empty()) {
            EXPECT_EQ(pixels.Count({0, 0, 20, 16}, kUntouched), 20 * 16) << "drew something";
        }
        for (const Probe& p : c.probes) EXPECT_EQ(pixels.At(p.x, p.y), p.colour) << "at (" << p.x << ", " << p.y << ")";
    }
}

}  // namespace
