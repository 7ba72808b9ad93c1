#pragma once
// Portable graphics values: rectangles, colours and font descriptions.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "framework/ClassInfo.h"
#include "framework/Geometry.h"
#include "framework/Set.h"

namespace fw {

// A colour: 0x00BBGGRR, or a system colour (0x80000000 | the system colour index), or clNone.
struct Color {
    std::int32_t value = 0;
    bool IsSystem() const { return (static_cast<std::uint32_t>(value) & 0xFF000000u) == 0x80000000u; }
    int SystemIndex() const { return value & 0xFF; }
    static constexpr Color Rgb(int r, int g, int b) { return Color{r | (g << 8) | (b << 16)}; }
    friend bool operator==(Color, Color) = default;
};

inline constexpr Color clBlack{0x000000};
inline constexpr Color clMaroon{0x000080};
inline constexpr Color clGreen{0x008000};
inline constexpr Color clOlive{0x008080};
inline constexpr Color clNavy{0x800000};
inline constexpr Color clTeal{0x808000};
inline constexpr Color clGray{0x808080};
inline constexpr Color clSilver{0xC0C0C0};
inline constexpr Color clRed{0x0000FF};
inline constexpr Color clYellow{0x00FFFF};
inline constexpr Color clWhite{0xFFFFFF};
inline constexpr Color clWindow{static_cast<std::int32_t>(0x80000005)};
inline constexpr Color clWindowText{static_cast<std::int32_t>(0x80000008)};
inline constexpr Color clCaptionText{static_cast<std::int32_t>(0x80000009)};
inline constexpr Color clBtnFace{static_cast<std::int32_t>(0x8000000F)};
inline constexpr Color clBtnShadow{static_cast<std::int32_t>(0x80000010)};
inline constexpr Color clGrayText{static_cast<std::int32_t>(0x80000011)};
inline constexpr Color clHighlight{static_cast<std::int32_t>(0x8000000D)};
inline constexpr Color clHighlightText{static_cast<std::int32_t>(0x8000000E)};
inline constexpr Color clBtnText{static_cast<std::int32_t>(0x80000012)};
inline constexpr Color clBtnHighlight{static_cast<std::int32_t>(0x80000014)};
inline constexpr Color clNone{0x1FFFFFFF};

// The part a colour plays in drawing. While the system's high-contrast setting is on, each part
// is drawn in its role's system colour instead of the stored one, so that the user's chosen
// contrast holds whatever colours the description stores.
enum class ColorRole { Window, WindowText, ButtonFace, ButtonText, Highlight, HighlightText };
// The role of text drawn on a background of the given role (a text role answers itself).
ColorRole TextRoleOn(ColorRole background);
// The colour to draw: the stored one, or under high contrast the role's system colour; clNone
// (nothing drawn) stays clNone.
Color DrawnColor(Color stored, ColorRole role, bool highContrast);

template <>
struct ValueTraits<Color> {
    // A colour name (clBtnFace) or a number ($0080FFFF).
    static Color From(const Value& v);
    static Value To(Color c);
};

enum class FontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
inline std::span<const std::string_view> EnumNames(FontStyle) {
    static constexpr std::array<std::string_view, 4> names{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
    return names;
}

// A font as stored: a negative height is the character height in pixels.
struct FontSpec {
    std::string name = "MS Sans Serif";
    int height = -11;
    int charset = 1;  // DEFAULT_CHARSET
    Color color = clWindowText;
    Set<FontStyle> style;
    int escapement = 0;  // angle of the text line in tenths of a degree, counter-clockwise
    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

// Character sets by name (DEFAULT_CHARSET, ANSI_CHARSET, ...) or number.
int CharsetFromValue(const Value& v);

enum class Anchor { akLeft, akTop, akRight, akBottom };
inline std::span<const std::string_view> EnumNames(Anchor) {
    static constexpr std::array<std::string_view, 4> names{"akLeft", "akTop", "akRight", "akBottom"};
    return names;
}

// The mouse pointer over a control; crDefault leaves it to the parent (a window: to its class).
enum class MouseCursor { crDefault, crArrow, crIBeam, crCross, crHourGlass, crHandPoint };
inline std::span<const std::string_view> EnumNames(MouseCursor) {
    static constexpr std::array<std::string_view, 6> names{"crDefault", "crArrow",     "crIBeam",
                                                           "crCross",   "crHourGlass", "crHandPoint"};
    return names;
}

}  // namespace fw
