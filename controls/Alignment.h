#pragma once
// Placement of text, or of a glyph-and-caption block, inside a box.
#include <array>
#include <span>
#include <string_view>

#include "framework/Graphics.h"

enum class TEclAlignment {
    agTopLeft,
    agTopCenter,
    agTopRight,
    agCenterLeft,
    agCenter,
    agCenterRight,
    agBottomLeft,
    agBottomCenter,
    agBottomRight,
};
inline std::span<const std::string_view> EnumNames(TEclAlignment) {
    static constexpr std::array<std::string_view, 9> names{"agTopLeft",    "agTopCenter",    "agTopRight",
                                                           "agCenterLeft", "agCenter",       "agCenterRight",
                                                           "agBottomLeft", "agBottomCenter", "agBottomRight"};
    return names;
}

namespace ecl {

// A width x height block placed in the box: at its left, centre or right and at its top, middle or
// bottom. Centring divides the remainder with truncation, so an odd pixel goes to the right/bottom.
fw::Rect AlignBlock(const fw::Rect& box, int width, int height, TEclAlignment alignment);

// The text-drawing flags that place text this way (vertical ones work only with single-line).
unsigned AlignmentFlags(TEclAlignment alignment);

}  // namespace ecl
