#pragma once
// The frame description owned by the library's controls as their Bevel: its style values, the
// pixels it takes from each side of its owner (the extent), and change notification.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "framework/Change.h"
#include "framework/EclObject.h"
#include "framework/PartPublisher.h"
#include "framework/Graphics.h"
#include "framework/Set.h"

enum class TEclBevelStyle { bvNone, bvLowered, bvRaised, bvFrameLowered, bvFrameRaised, bvNormal, bvShadow };
enum class TEclBorderSide { fsBottom, fsLeft, fsRight, fsTop };
using TEclBorderSides = fw::Set<TEclBorderSide>;
enum class TEclEdgeStyle {
    etRaisedInner,
    etRaisedOuter,
    etSunkenInner,
    etSunkenOuter,
    etBump,
    etEtched,
    etRaised,
    etSunken,
};
enum class TEclBevelMode { bmCustom, bmStandard, bmEdge, bmWindows };
enum class TEclBorderStyle {
    lsNone,
    lsSingle,
    lsLowered,
    lsRaised,
    lsRaisedspb,
    lsLoweredspb,
    lsRaisedExt,
    lsLoweredExt,
    lsFrameInset,
    lsFrameOffset,
    lsWindowBorder,
    lsSingleRaised,
    lsSingleLowered,
    lsDoubleRaised,
    lsDoubleLowered,
};

inline std::span<const std::string_view> EnumNames(TEclBevelStyle) {
    static constexpr std::array<std::string_view, 7> names{"bvNone",        "bvLowered", "bvRaised", "bvFrameLowered",
                                                           "bvFrameRaised", "bvNormal",  "bvShadow"};
    return names;
}
inline std::span<const std::string_view> EnumNames(TEclBorderSide) {
    static constexpr std::array<std::string_view, 4> names{"fsBottom", "fsLeft", "fsRight", "fsTop"};
    return names;
}
inline std::span<const std::string_view> EnumNames(TEclEdgeStyle) {
    static constexpr std::array<std::string_view, 8> names{"etRaisedInner", "etRaisedOuter", "etSunkenInner",
                                                           "etSunkenOuter", "etBump",        "etEtched",
                                                           "etRaised",      "etSunken"};
    return names;
}
inline std::span<const std::string_view> EnumNames(TEclBevelMode) {
    static constexpr std::array<std::string_view, 4> names{"bmCustom", "bmStandard", "bmEdge", "bmWindows"};
    return names;
}
inline std::span<const std::string_view> EnumNames(TEclBorderStyle) {
    static constexpr std::array<std::string_view, 15> names{
        "lsNone",         "lsSingle",       "lsLowered",       "lsRaised",       "lsRaisedspb",
        "lsLoweredspb",   "lsRaisedExt",    "lsLoweredExt",    "lsFrameInset",   "lsFrameOffset",
        "lsWindowBorder", "lsSingleRaised", "lsSingleLowered", "lsDoubleRaised", "lsDoubleLowered"};
    return names;
}

class TEclBevel : public TEclObject {
public:
    TEclBevel() = default;

    // Takes every property and the theme-support flag of the other bevel, then notifies once.
    void Assign(const TEclBevel& other);

    TEclBevelStyle StyleInner() const { return v_.styleInner; }
    void SetStyleInner(TEclBevelStyle style);
    TEclBevelStyle StyleOuter() const { return v_.styleOuter; }
    void SetStyleOuter(TEclBevelStyle style);
    int WidthInner() const { return v_.widthInner; }
    void SetWidthInner(int width) { fw::Change(v_.widthInner, Byte(width), this, &TEclBevel::Changed); }
    int WidthOuter() const { return v_.widthOuter; }
    void SetWidthOuter(int width) { fw::Change(v_.widthOuter, Byte(width), this, &TEclBevel::Changed); }
    fw::Color BorderColor() const { return v_.borderColor; }
    void SetBorderColor(fw::Color color) { fw::Change(v_.borderColor, color, this, &TEclBevel::Changed); }
    TEclBorderSides BorderSides() const { return v_.borderSides; }
    void SetBorderSides(TEclBorderSides sides) { fw::Change(v_.borderSides, sides, this, &TEclBevel::Changed); }
    int BorderWidth() const { return v_.borderWidth; }
    void SetBorderWidth(int width) { fw::Change(v_.borderWidth, Byte(width), this, &TEclBevel::Changed); }
    int BorderInnerWidth() const { return v_.borderInnerWidth; }
    void SetBorderInnerWidth(int width) { fw::Change(v_.borderInnerWidth, Byte(width), this, &TEclBevel::Changed); }
    TEclEdgeStyle EdgeStyle() const { return v_.edgeStyle; }
    void SetEdgeStyle(TEclEdgeStyle style) { fw::Change(v_.edgeStyle, style, this, &TEclBevel::Changed); }
    fw::Color LightColor() const { return v_.lightColor; }
    void SetLightColor(fw::Color color) { fw::Change(v_.lightColor, color, this, &TEclBevel::Changed); }
    TEclBevelMode Mode() const { return v_.mode; }
    void SetMode(TEclBevelMode mode) { fw::Change(v_.mode, mode, this, &TEclBevel::Changed); }
    fw::Color ShadowColor() const { return v_.shadowColor; }
    void SetShadowColor(fw::Color color) { fw::Change(v_.shadowColor, color, this, &TEclBevel::Changed); }
    TEclBorderStyle StandardStyle() const { return v_.standardStyle; }
    // Notifies only in standard mode, where the style shows.
    void SetStandardStyle(TEclBorderStyle style);

    // Set by owners whose window border the platform draws: the Windows frame then takes no room.
    bool ThemeSupport() const { return themeSupport_; }
    void SetThemeSupport(bool on) { fw::Change(themeSupport_, on, this, &TEclBevel::Changed); }

    // Pixels the frame takes from each side of the owner.
    int Extent() const;
    // The extent on the outer side; larger than Extent() only for a custom drop shadow.
    int OuterExtent() const;

private:
    static std::uint8_t Byte(int v) { return static_cast<std::uint8_t>(v); }

    struct Values {
        TEclBevelStyle styleInner = TEclBevelStyle::bvNone;
        TEclBevelStyle styleOuter = TEclBevelStyle::bvNone;
        std::uint8_t widthInner = 1;
        std::uint8_t widthOuter = 1;
        fw::Color borderColor = fw::clBtnFace;
        TEclBorderSides borderSides{TEclBorderSide::fsBottom, TEclBorderSide::fsLeft, TEclBorderSide::fsRight,
                                    TEclBorderSide::fsTop};
        std::uint8_t borderWidth = 0;
        std::uint8_t borderInnerWidth = 0;
        TEclEdgeStyle edgeStyle = TEclEdgeStyle::etEtched;
        fw::Color lightColor = fw::clBtnHighlight;
        TEclBevelMode mode = TEclBevelMode::bmCustom;
        fw::Color shadowColor = fw::clBtnShadow;
        TEclBorderStyle standardStyle = TEclBorderStyle::lsSingleLowered;
    };
    Values v_;
    bool themeSupport_ = false;
};

namespace ecl {

// Publishes every bevel property as "Bevel.<Name>" on the owner's class.
template <class P>
void PublishBevel(P&& p) {
    using B = TEclBevel;
    p.template Property<TEclBevelStyle>("StyleInner", &B::StyleInner, &B::SetStyleInner)
        .template Property<TEclBevelStyle>("StyleOuter", &B::StyleOuter, &B::SetStyleOuter)
        .template Property<int>("WidthInner", &B::WidthInner, &B::SetWidthInner)
        .template Property<int>("WidthOuter", &B::WidthOuter, &B::SetWidthOuter)
        .template Property<fw::Color>("BorderColor", &B::BorderColor, &B::SetBorderColor)
        .template Property<TEclBorderSides>("BorderSides", &B::BorderSides, &B::SetBorderSides)
        .template Property<int>("BorderWidth", &B::BorderWidth, &B::SetBorderWidth)
        .template Property<int>("BorderInnerWidth", &B::BorderInnerWidth, &B::SetBorderInnerWidth)
        .template Property<TEclEdgeStyle>("EdgeStyle", &B::EdgeStyle, &B::SetEdgeStyle)
        .template Property<fw::Color>("LightColor", &B::LightColor, &B::SetLightColor)
        .template Property<TEclBevelMode>("Mode", &B::Mode, &B::SetMode)
        .template Property<fw::Color>("ShadowColor", &B::ShadowColor, &B::SetShadowColor)
        .template Property<TEclBorderStyle>("StandardStyle", &B::StandardStyle, &B::SetStandardStyle);
}

}  // namespace ecl
