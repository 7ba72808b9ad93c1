#include "controls/FxCaption.h"

#include <initializer_list>

void TEcl3DCaption::Assign(const TEcl3DCaption& other) {
    if (&other == this) return;
    v_ = other.v_;
    Changed();
}

int TEcl3DCaption::TextRoom() const {
    switch (v_.style) {
        case TEclThreeDStyle::tdNone: return 0;
        case TEclThreeDStyle::tdSunken:
        case TEclThreeDStyle::tdRaised: return v_.lightDepth;
        case TEclThreeDStyle::tdSunkenShadow:
        case TEclThreeDStyle::tdRaisedShadow:
        case TEclThreeDStyle::tdPColorSunken:
        case TEclThreeDStyle::tdPColorRaised: return v_.lightDepth + v_.shadowDepth;
        case TEclThreeDStyle::tdShadow:
        case TEclThreeDStyle::tdOutline:
        case TEclThreeDStyle::tdExtrude:
        case TEclThreeDStyle::tdExtrudeEnh: return v_.shadowDepth;
    }
    return 0;
}

namespace ecl {

int FxLayers(const TEcl3DCaption& fx, TEclThreeDStyle style, FxLayer (&layers)[3]) {
    const int l = fx.LightDepth(), s = fx.ShadowDepth();
    using K = FxLayerKind;
    auto set = [&layers](std::initializer_list<FxLayer> list) {
        int n = 0;
        for (const FxLayer& layer : list) layers[n++] = layer;
        return n;
    };
    switch (style) {
        case TEclThreeDStyle::tdSunken:  // lit from below-right: the light copy peeks out there
            return set({{K::Light, l, l}, {K::Face, 0, 0}});
        case TEclThreeDStyle::tdRaised:  // lit from above-left
            return set({{K::Light, 0, 0}, {K::Face, l, l}});
        case TEclThreeDStyle::tdSunkenShadow:
        case TEclThreeDStyle::tdPColorSunken:
            return set({{K::Shadow, 0, 0}, {K::Light, s + l, s + l}, {K::Face, s, s}});
        case TEclThreeDStyle::tdRaisedShadow:
        case TEclThreeDStyle::tdPColorRaised:
            return set({{K::Light, 0, 0}, {K::Shadow, l + s, l + s}, {K::Face, l, l}});
        case TEclThreeDStyle::tdShadow: return set({{K::Shadow, s, s}, {K::Face, 0, 0}});
        default: return set({{K::Face, 0, 0}});
    }
}

TEclThreeDStyle DisabledTextStyle(const TEcl3DCaption& fx, bool want3dDisabled) {
    switch (fx.DisabledStyle()) {
        case TEclDisabledStyle::ds3d: return TEclThreeDStyle::tdSunken;
        case TEclDisabledStyle::dsAuto: return want3dDisabled ? TEclThreeDStyle::tdSunken : fx.Style();
        default: return fx.Style();
    }
}

}  // namespace ecl
