#pragma once
// Three-dimensional text effects: the layers drawn around a text and the room they need.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "framework/Change.h"
#include "framework/EclObject.h"
#include "framework/Graphics.h"

enum class TEclDisabledStyle { dsAuto, dsStandard, ds3d, dsNone };
enum class TEclThreeDStyle {
    tdNone,
    tdSunken,
    tdRaised,
    tdSunkenShadow,
    tdRaisedShadow,
    tdPColorSunken,
    tdPColorRaised,
    tdShadow,
    tdOutline,
    tdExtrude,
    tdExtrudeEnh,
};
enum class TEclTextOrientation { toBottomLeft, toBottomRight, toTopLeft, toTopRight };

inline std::span<const std::string_view> EnumNames(TEclDisabledStyle) {
    static constexpr std::array<std::string_view, 4> names{"dsAuto", "dsStandard", "ds3d", "dsNone"};
    return names;
}
inline std::span<const std::string_view> EnumNames(TEclThreeDStyle) {
    static constexpr std::array<std::string_view, 11> names{
        "tdNone",         "tdSunken", "tdRaised",  "tdSunkenShadow", "tdRaisedShadow", "tdPColorSunken",
        "tdPColorRaised", "tdShadow", "tdOutline", "tdExtrude",      "tdExtrudeEnh"};
    return names;
}
inline std::span<const std::string_view> EnumNames(TEclTextOrientation) {
    static constexpr std::array<std::string_view, 4> names{"toBottomLeft", "toBottomRight", "toTopLeft", "toTopRight"};
    return names;
}

class TEcl3DCaption : public TEclObject {
public:
    void Assign(const TEcl3DCaption& other);

    TEclDisabledStyle DisabledStyle() const { return v_.disabledStyle; }
    void SetDisabledStyle(TEclDisabledStyle style) {
        fw::Change(v_.disabledStyle, style, this, &TEcl3DCaption::Changed);
    }
    int LightDepth() const { return v_.lightDepth; }
    void SetLightDepth(int depth) {
        fw::Change(v_.lightDepth, static_cast<std::uint8_t>(depth), this, &TEcl3DCaption::Changed);
    }
    int ShadowDepth() const { return v_.shadowDepth; }
    void SetShadowDepth(int depth) {
        fw::Change(v_.shadowDepth, static_cast<std::uint8_t>(depth), this, &TEcl3DCaption::Changed);
    }
    fw::Color LightColor() const { return v_.lightColor; }
    void SetLightColor(fw::Color color) { fw::Change(v_.lightColor, color, this, &TEcl3DCaption::Changed); }
    fw::Color ShadowColor() const { return v_.shadowColor; }
    void SetShadowColor(fw::Color color) { fw::Change(v_.shadowColor, color, this, &TEcl3DCaption::Changed); }
    TEclThreeDStyle Style() const { return v_.style; }
    void SetStyle(TEclThreeDStyle style) { fw::Change(v_.style, style, this, &TEcl3DCaption::Changed); }
    TEclTextOrientation Orientation() const { return v_.orientation; }
    void SetOrientation(TEclTextOrientation orientation) {
        fw::Change(v_.orientation, orientation, this, &TEcl3DCaption::Changed);
    }
    int Tracing() const { return v_.tracing; }
    void SetTracing(int tracing) { fw::Change(v_.tracing, tracing, this, &TEcl3DCaption::Changed); }
    int Angle() const { return v_.angle; }
    // Degrees, kept within 0..359 (360 stores 0).
    void SetAngle(int angle) { fw::Change(v_.angle, ((angle % 360) + 360) % 360, this, &TEcl3DCaption::Changed); }
    int PosX() const { return v_.posX; }
    void SetPosX(int x) { fw::Change(v_.posX, static_cast<std::uint16_t>(x), this, &TEcl3DCaption::Changed); }
    int PosY() const { return v_.posY; }
    void SetPosY(int y) { fw::Change(v_.posY, static_cast<std::uint16_t>(y), this, &TEcl3DCaption::Changed); }

    // Pixels the effect adds to the right of and below the plain text.
    int TextRoom() const;

private:
    struct Values {
        TEclDisabledStyle disabledStyle = TEclDisabledStyle::dsAuto;
        std::uint8_t lightDepth = 1;
        std::uint8_t shadowDepth = 1;
        fw::Color lightColor = fw::clBtnHighlight;
        fw::Color shadowColor = fw::clBtnShadow;
        TEclThreeDStyle style = TEclThreeDStyle::tdNone;
        TEclTextOrientation orientation = TEclTextOrientation::toTopLeft;
        int tracing = 0;
        int angle = 0;
        std::uint16_t posX = 0;
        std::uint16_t posY = 0;
    };
    Values v_;
};

// The caption effects of the labels; the same fields as the 3-D caption.
class TEclFxCaption : public TEcl3DCaption {};

namespace ecl {

// The layers of an effect in drawing order; the face layer is drawn last.
enum class FxLayerKind { Light, Shadow, Face };
struct FxLayer {
    FxLayerKind kind;
    int dx;
    int dy;
};
// Offsets of the light, shadow and face passes of the offset styles (sunken, raised, the combined
// styles and the shadow); other styles draw only the face here.
int FxLayers(const TEcl3DCaption& fx, TEclThreeDStyle style, FxLayer (&layers)[3]);

// The style drawn for a disabled text: the sunken look when the caller asks for the 3-D disabled
// look (buttons, radio items) or the caption insists on it.
TEclThreeDStyle DisabledTextStyle(const TEcl3DCaption& fx, bool want3dDisabled);

// Publishes every field as "<prefix>.<Name>" on the owner's class.
template <class P>
void PublishFxCaption(P&& p) {
    using F = TEcl3DCaption;
    p.template Property<TEclDisabledStyle>("DisabledStyle", &F::DisabledStyle, &F::SetDisabledStyle)
        .template Property<int>("LightDepth", &F::LightDepth, &F::SetLightDepth)
        .template Property<int>("ShadowDepth", &F::ShadowDepth, &F::SetShadowDepth)
        .template Property<fw::Color>("LightColor", &F::LightColor, &F::SetLightColor)
        .template Property<fw::Color>("ShadowColor", &F::ShadowColor, &F::SetShadowColor)
        .template Property<TEclThreeDStyle>("Style", &F::Style, &F::SetStyle)
        .template Property<TEclTextOrientation>("Orientation", &F::Orientation, &F::SetOrientation)
        .template Property<int>("Tracing", &F::Tracing, &F::SetTracing)
        .template Property<int>("Angle", &F::Angle, &F::SetAngle)
        .template Property<int>("PosX", &F::PosX, &F::SetPosX)
        .template Property<int>("PosY", &F::PosY, &F::SetPosY);
}

}  // namespace ecl
