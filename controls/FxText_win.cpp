#include "controls/FxText_win.h"

#include <functional>

#include "controls/TextFormat.h"
#include "framework/Handles_win.h"
#include "framework/Mnemonic.h"

namespace ecl {

static_assert(kDtCenter == DT_CENTER && kDtRight == DT_RIGHT && kDtVCenter == DT_VCENTER && kDtBottom == DT_BOTTOM);
static_assert(kDtWordBreak == DT_WORDBREAK && kDtSingleLine == DT_SINGLELINE && kDtExpandTabs == DT_EXPANDTABS);
static_assert(kDtCalcRect == DT_CALCRECT && kDtNoPrefix == DT_NOPREFIX && kDtEditControl == DT_EDITCONTROL);
static_assert(kDtPathEllipsis == DT_PATH_ELLIPSIS && kDtEndEllipsis == DT_END_ELLIPSIS);
static_assert(kDtRtlReading == DT_RTLREADING && kDtHidePrefix == DT_HIDEPREFIX);

namespace {

fw::Rect Moved(const fw::Rect& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// Mixes two colours: step 0 gives `from`, step `steps` gives `to`.
fw::Color Blend(fw::Color from, fw::Color to, int step, int steps) {
    const COLORREF a = fw::ToColorRef(from), b = fw::ToColorRef(to);
    auto mix = [&](int ca, int cb) { return ca + (cb - ca) * step / (steps > 0 ? steps : 1); };
    return fw::Color::Rgb(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
                          mix(GetBValue(a), GetBValue(b)));
}

// One pass of the text in a colour: level text is laid out in the rectangle, rotated text is
// drawn from the rectangle's top-left corner.
using TextPass = std::function<void(const fw::Rect&, fw::Color)>;

void DrawOutline(HDC dc, const TEcl3DCaption& fx, const TextPass& pass, const fw::Rect& r, fw::Color color) {
    const int half = fx.ShadowDepth() / 2;
    ::BeginPath(dc);
    pass(Moved(r, half, half), color);
    ::EndPath(dc);
    fw::UniquePen pen = fw::NewPen(PS_SOLID, fx.ShadowDepth() > 0 ? fx.ShadowDepth() : 1, fw::ToColorRef(color));
    fw::SelectScope select(dc, pen.Get());
    ::StrokePath(dc);
}

// Copies of the text pixel by pixel along the orientation, then the face on top.
void DrawExtrude(const TEcl3DCaption& fx, const TextPass& pass, const fw::Rect& r, fw::Color color, bool enhanced) {
    const int depth = fx.ShadowDepth();
    const TEclTextOrientation o = fx.Orientation();
    const int dirX = o == TEclTextOrientation::toTopLeft || o == TEclTextOrientation::toBottomLeft ? -1 : 1;
    const int dirY = o == TEclTextOrientation::toTopLeft || o == TEclTextOrientation::toTopRight ? -1 : 1;
    const int faceX = dirX < 0 ? depth : 0, faceY = dirY < 0 ? depth : 0;
    for (int i = depth; i >= 1; --i) {
        const fw::Color c = enhanced ? Blend(fx.ShadowColor(), fx.LightColor(), depth - i, depth) : fx.ShadowColor();
        pass(Moved(r, faceX + dirX * i, faceY + dirY * i), c);
    }
    pass(Moved(r, faceX, faceY), color);
}

}  // namespace

void DrawFxText(fw::Canvas& canvas, const TEcl3DCaption& fx, const std::string& text, const fw::Rect& rect, UINT format,
                const fw::FontSpec& font, fw::Color textColor, fw::Color brushColor, const FxTextOptions& options) {
    if (text.empty() || rect.Width() <= 0 || rect.Height() <= 0) return;
    TEclThreeDStyle style = fx.Style();
    fw::Color color = textColor;
    if (style == TEclThreeDStyle::tdPColorSunken || style == TEclThreeDStyle::tdPColorRaised) color = brushColor;
    if (!options.enabled && fx.DisabledStyle() != TEclDisabledStyle::dsNone) {
        color = fw::clGrayText;
        style = DisabledTextStyle(fx, options.want3dDisabled);
    }

    HDC dc = canvas.Dc();
    fw::SaveDcScope save(dc);
    if (options.clip) ::IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    if (fx.Tracing() != 0) ::SetTextCharacterExtra(dc, fx.Tracing());  // undone with the DC state
    const fw::Rect start{rect.left + fx.PosX(), rect.top + fx.PosY(), rect.right, rect.bottom};

    TextPass pass;
    if (fx.Angle() == 0) {
        pass = [&](const fw::Rect& r, fw::Color c) { canvas.DrawText(text, r, format, font, c); };
    } else {
        fw::FontSpec turned = font;
        turned.escapement = fx.Angle() * 10;
        const std::string shown = (format & DT_NOPREFIX) != 0 ? text : fw::StripAccelMarks(text);
        pass = [&canvas, turned, shown](const fw::Rect& r, fw::Color c) {
            canvas.TextOut(shown, r.left, r.top, turned, c);
        };
    }

    if (style == TEclThreeDStyle::tdOutline) return DrawOutline(dc, fx, pass, start, color);
    if (style == TEclThreeDStyle::tdExtrude || style == TEclThreeDStyle::tdExtrudeEnh)
        return DrawExtrude(fx, pass, start, color, style == TEclThreeDStyle::tdExtrudeEnh);

    FxLayer layers[3];
    const int count = FxLayers(fx, style, layers);
    for (int i = 0; i < count; ++i) {
        const FxLayer& layer = layers[i];
        const fw::Color c = layer.kind == FxLayerKind::Light    ? fx.LightColor()
                            : layer.kind == FxLayerKind::Shadow ? fx.ShadowColor()
                                                                : color;
        pass(Moved(start, layer.dx, layer.dy), c);
    }
}

SIZE MeasureScreenText(const std::string& text, const fw::FontSpec& font, UINT format, int width, int charExtra) {
    fw::WindowDc screen;
    fw::Canvas canvas(screen.Get());
    return canvas.MeasureText(text, font, format, width, charExtra);
}

SIZE ScreenTextExtent(const std::string& text, const fw::FontSpec& font, int charExtra) {
    fw::WindowDc screen;
    fw::SelectScope select(screen.Get(), fw::FontHandle(font));
    const int oldExtra = ::SetTextCharacterExtra(screen.Get(), charExtra);
    SIZE size{};
    ::GetTextExtentPoint32A(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    ::SetTextCharacterExtra(screen.Get(), oldExtra);
    return size;
}

bool IsTrueTypeFont(const fw::FontSpec& font) {
    fw::WindowDc screen;
    fw::SelectScope select(screen.Get(), fw::FontHandle(font));
    TEXTMETRICA metrics{};
    return ::GetTextMetricsA(screen.Get(), &metrics) && (metrics.tmPitchAndFamily & TMPF_TRUETYPE) != 0;
}

fw::FontSpec TurnableFont(const fw::FontSpec& font) {
    if (IsTrueTypeFont(font)) return font;
    fw::FontSpec turnable = font;
    turnable.name = kTrueTypeFace;
    return turnable;
}

}  // namespace ecl
