#include "framework/Graphics.h"

#include <array>
#include <utility>

namespace fw {

namespace {
constexpr std::array<std::pair<std::string_view, Color>, 22> kColorNames{{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clYellow", clYellow},
    {"clWhite", clWhite},
    {"clWindow", clWindow},
    {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText},
    {"clBtnFace", clBtnFace},
    {"clBtnShadow", clBtnShadow},
    {"clGrayText", clGrayText},
    {"clBtnText", clBtnText},
    {"clBtnHighlight", clBtnHighlight},
    {"clNone", clNone},
    {"clLime", Color{0x00FF00}},
    {"clBlue", Color{0xFF0000}},
}};

constexpr std::array<std::pair<std::string_view, int>, 4> kCharsets{
    {{"ANSI_CHARSET", 0}, {"DEFAULT_CHARSET", 1}, {"SYMBOL_CHARSET", 2}, {"OEM_CHARSET", 255}}};
}  // namespace

ColorRole TextRoleOn(ColorRole background) {
    switch (background) {
        case ColorRole::Window: return ColorRole::WindowText;
        case ColorRole::ButtonFace: return ColorRole::ButtonText;
        case ColorRole::Highlight: return ColorRole::HighlightText;
        default: return background;
    }
}

Color DrawnColor(Color stored, ColorRole role, bool highContrast) {
    if (!highContrast || stored == clNone) return stored;
    switch (role) {
        case ColorRole::Window: return clWindow;
        case ColorRole::WindowText: return clWindowText;
        case ColorRole::ButtonFace: return clBtnFace;
        case ColorRole::ButtonText: return clBtnText;
        case ColorRole::Highlight: return clHighlight;
        case ColorRole::HighlightText: return clHighlightText;
    }
    return stored;
}

Color ValueTraits<Color>::From(const Value& v) {
    if (v.kind == Value::Kind::Integer) return Color{static_cast<std::int32_t>(v.integer)};
    const std::string name = ValueToIdentifier(v);
    for (const auto& [n, c] : kColorNames)
        if (n == name) return c;
    ThrowBadValue("Unknown colour " + name);
}

Value ValueTraits<Color>::To(Color c) {
    for (const auto& [n, col] : kColorNames)
        if (col == c) return Value{Value::Kind::Identifier, 0, std::string(n), {}};
    return Value{Value::Kind::Integer, c.value, {}, {}};
}

int CharsetFromValue(const Value& v) {
    if (v.kind == Value::Kind::Integer) return static_cast<int>(v.integer);
    const std::string name = ValueToIdentifier(v);
    for (const auto& [n, c] : kCharsets)
        if (n == name) return c;
    ThrowBadValue("Unknown character set " + name);
}

}  // namespace fw
