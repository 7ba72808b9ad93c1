#include "controls/Bevel.h"

namespace {
bool IsFrame(TEclBevelStyle s) { return s == TEclBevelStyle::bvFrameLowered || s == TEclBevelStyle::bvFrameRaised; }
}  // namespace

void TEclBevel::Assign(const TEclBevel& other) {
    if (&other == this) return;
    v_ = other.v_;
    themeSupport_ = other.themeSupport_;
    Changed();
}

// A drop shadow needs both edges: bvShadow on one side pulls the other along, and leaving it
// clears the other.
void TEclBevel::SetStyleInner(TEclBevelStyle style) {
    if (style == v_.styleInner) return;
    const bool wasShadow = v_.styleInner == TEclBevelStyle::bvShadow;
    v_.styleInner = style;
    if (style == TEclBevelStyle::bvShadow)
        v_.styleOuter = TEclBevelStyle::bvShadow;
    else if (wasShadow)
        v_.styleOuter = TEclBevelStyle::bvNone;
    Changed();
}

void TEclBevel::SetStyleOuter(TEclBevelStyle style) {
    if (style == v_.styleOuter) return;
    const bool wasShadow = v_.styleOuter == TEclBevelStyle::bvShadow;
    v_.styleOuter = style;
    if (style == TEclBevelStyle::bvShadow)
        v_.styleInner = TEclBevelStyle::bvShadow;
    else if (wasShadow)
        v_.styleInner = TEclBevelStyle::bvNone;
    Changed();
}

void TEclBevel::SetStandardStyle(TEclBorderStyle style) {
    if (style == v_.standardStyle) return;
    v_.standardStyle = style;
    if (v_.mode == TEclBevelMode::bmStandard) Changed();
}

int TEclBevel::Extent() const {
    switch (v_.mode) {
        case TEclBevelMode::bmCustom: {
            if (v_.styleInner == TEclBevelStyle::bvShadow) return v_.widthInner + v_.borderInnerWidth;
            int extent = v_.borderWidth + v_.borderInnerWidth;
            if (v_.styleInner == TEclBevelStyle::bvNone && v_.styleOuter == TEclBevelStyle::bvNone) return extent;
            if (v_.styleOuter != TEclBevelStyle::bvNone) extent += v_.widthOuter + (IsFrame(v_.styleOuter) ? 1 : 0);
            if (v_.styleInner != TEclBevelStyle::bvNone) extent += v_.widthInner + (IsFrame(v_.styleInner) ? 1 : 0);
            return extent;
        }
        case TEclBevelMode::bmStandard: {
            int lines = 2;
            if (v_.standardStyle == TEclBorderStyle::lsNone)
                lines = 0;
            else if (v_.standardStyle == TEclBorderStyle::lsSingle ||
                     v_.standardStyle == TEclBorderStyle::lsSingleRaised ||
                     v_.standardStyle == TEclBorderStyle::lsSingleLowered)
                lines = 1;
            return v_.borderInnerWidth + lines;
        }
        case TEclBevelMode::bmEdge: return v_.borderInnerWidth + (v_.borderSides.Empty() ? 0 : 2);
        case TEclBevelMode::bmWindows: return themeSupport_ ? 0 : v_.borderInnerWidth + 2;
    }
    return 0;
}

int TEclBevel::OuterExtent() const {
    if (v_.mode == TEclBevelMode::bmCustom && v_.styleOuter == TEclBevelStyle::bvShadow)
        return v_.widthInner + v_.widthOuter + v_.borderInnerWidth;
    return Extent();
}
