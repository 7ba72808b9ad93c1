#include "controls/Bevel_win.h"

#include <windows.h>

#include "controls/FxText_win.h"

namespace ecl {

namespace {

RECT ToRect(const fw::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
fw::Rect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
fw::Rect Inset(const fw::Rect& r, int n) { return {r.left + n, r.top + n, r.right - n, r.bottom - n}; }

fw::Rect Edge(fw::Canvas& canvas, const fw::Rect& r, UINT edge, UINT flags) {
    RECT rc = ToRect(r);
    ::DrawEdge(canvas.Dc(), &rc, edge, flags | BF_ADJUST);
    return FromRect(rc);
}

// `width` rings of a one-pixel frame.
fw::Rect Rings(fw::Canvas& canvas, fw::Rect r, int width, fw::Color topLeft, fw::Color bottomRight) {
    for (int i = 0; i < width; ++i) {
        canvas.Frame3D(r, topLeft, bottomRight);
        r = Inset(r, 1);
    }
    return r;
}

fw::Rect CustomStyle(fw::Canvas& canvas, const TEclBevel& b, fw::Rect r, TEclBevelStyle style, int width) {
    const fw::Color light = b.LightColor(), shadow = b.ShadowColor();
    switch (style) {
        case TEclBevelStyle::bvNone: return r;
        case TEclBevelStyle::bvLowered: return Rings(canvas, r, width, shadow, light);
        case TEclBevelStyle::bvRaised:
        case TEclBevelStyle::bvNormal: return Rings(canvas, r, width, light, shadow);
        case TEclBevelStyle::bvFrameLowered:
            return Rings(canvas, Rings(canvas, r, width, shadow, light), 1, light, shadow);
        case TEclBevelStyle::bvFrameRaised:
            return Rings(canvas, Rings(canvas, r, width, light, shadow), 1, shadow, light);
        case TEclBevelStyle::bvShadow:
            // A drop shadow along the right and bottom, offset by its own width.
            canvas.FillRect({r.right - width, r.top + width, r.right, r.bottom}, shadow);
            canvas.FillRect({r.left + width, r.bottom - width, r.right, r.bottom}, shadow);
            return {r.left, r.top, r.right - width, r.bottom - width};
    }
    return r;
}

// Fills the frame between the outer and the inner rectangle.
void FillBand(fw::Canvas& canvas, const fw::Rect& outer, const fw::Rect& inner, fw::Color color) {
    canvas.FillRect({outer.left, outer.top, outer.right, inner.top}, color);
    canvas.FillRect({outer.left, inner.bottom, outer.right, outer.bottom}, color);
    canvas.FillRect({outer.left, inner.top, inner.left, inner.bottom}, color);
    canvas.FillRect({inner.right, inner.top, outer.right, inner.bottom}, color);
}

UINT StandardEdge(TEclBorderStyle style) {
    switch (style) {
        case TEclBorderStyle::lsSingleRaised: return BDR_RAISEDINNER;
        case TEclBorderStyle::lsSingleLowered: return BDR_SUNKENOUTER;
        case TEclBorderStyle::lsRaised:
        case TEclBorderStyle::lsRaisedspb:
        case TEclBorderStyle::lsRaisedExt:
        case TEclBorderStyle::lsDoubleRaised: return EDGE_RAISED;
        case TEclBorderStyle::lsFrameInset: return EDGE_ETCHED;
        case TEclBorderStyle::lsFrameOffset: return EDGE_BUMP;
        default: return EDGE_SUNKEN;
    }
}

UINT EdgeKind(TEclEdgeStyle style) {
    switch (style) {
        case TEclEdgeStyle::etRaisedInner: return BDR_RAISEDINNER;
        case TEclEdgeStyle::etRaisedOuter: return BDR_RAISEDOUTER;
        case TEclEdgeStyle::etSunkenInner: return BDR_SUNKENINNER;
        case TEclEdgeStyle::etSunkenOuter: return BDR_SUNKENOUTER;
        case TEclEdgeStyle::etBump: return EDGE_BUMP;
        case TEclEdgeStyle::etEtched: return EDGE_ETCHED;
        case TEclEdgeStyle::etRaised: return EDGE_RAISED;
        case TEclEdgeStyle::etSunken: return EDGE_SUNKEN;
    }
    return EDGE_ETCHED;
}

}  // namespace

fw::Rect DrawBevel(fw::Canvas& canvas, const TEclBevel& bevel, const fw::Rect& rect, bool mayLeaveUnpainted,
                   fw::Color background) {
    if (bevel.Extent() == 0) return rect;
    fw::Rect r = rect;
    switch (bevel.Mode()) {
        case TEclBevelMode::bmWindows:
            // The lowered frame of a classic edit box; its inner right and bottom line stays unpainted.
            r = Edge(canvas, r, BDR_SUNKENOUTER, BF_RECT);
            r = Edge(canvas, r, BDR_SUNKENINNER, BF_LEFT | BF_TOP);
            r.right -= 1;
            r.bottom -= 1;
            break;
        case TEclBevelMode::bmStandard:
            if (bevel.StandardStyle() == TEclBorderStyle::lsSingle) {
                canvas.FrameRect(r, SystemColor(COLOR_WINDOWFRAME));
                r = Inset(r, 1);
            } else if (bevel.StandardStyle() != TEclBorderStyle::lsNone) {
                r = Edge(canvas, r, StandardEdge(bevel.StandardStyle()), BF_RECT);
            }
            break;
        case TEclBevelMode::bmEdge: {
            const TEclBorderSides sides = bevel.BorderSides();
            UINT flags = 0;
            if (sides.Has(TEclBorderSide::fsLeft)) flags |= BF_LEFT;
            if (sides.Has(TEclBorderSide::fsTop)) flags |= BF_TOP;
            if (sides.Has(TEclBorderSide::fsRight)) flags |= BF_RIGHT;
            if (sides.Has(TEclBorderSide::fsBottom)) flags |= BF_BOTTOM;
            if (flags == 0) break;
            // Every drawn side takes two pixels, whatever the edge's own width; what the edge
            // leaves of that band is the owner's background unless it may stay unpainted.
            fw::Rect inner = r;
            if (flags & BF_LEFT) inner.left += 2;
            if (flags & BF_TOP) inner.top += 2;
            if (flags & BF_RIGHT) inner.right -= 2;
            if (flags & BF_BOTTOM) inner.bottom -= 2;
            if (!mayLeaveUnpainted) FillBand(canvas, r, inner, background);
            RECT rc = ToRect(r);
            ::DrawEdge(canvas.Dc(), &rc, EdgeKind(bevel.EdgeStyle()), flags);
            r = inner;
            break;
        }
        case TEclBevelMode::bmCustom:
            r = CustomStyle(canvas, bevel, r, bevel.StyleOuter(), bevel.WidthOuter());
            if (bevel.StyleOuter() != TEclBevelStyle::bvShadow) {
                r = Rings(canvas, r, bevel.BorderWidth(), bevel.BorderColor(), bevel.BorderColor());
                r = CustomStyle(canvas, bevel, r, bevel.StyleInner(), bevel.WidthInner());
            } else {
                r = Rings(canvas, r, bevel.WidthInner(), bevel.ShadowColor(), bevel.ShadowColor());
            }
            break;
    }
    if (mayLeaveUnpainted) return Inset(r, bevel.BorderInnerWidth());
    return Rings(canvas, r, bevel.BorderInnerWidth(), bevel.BorderColor(), bevel.BorderColor());
}

}  // namespace ecl
