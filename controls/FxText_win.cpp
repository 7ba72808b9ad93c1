#include "controls/FxText_win.h"

#include "controls/TextFormat.h"
#include "framework/Handles_win.h"

namespace ecl {

static_assert(kDtCenter == DT_CENTER && kDtRight == DT_RIGHT && kDtVCenter == DT_VCENTER && kDtBottom == DT_BOTTOM);
static_assert(kDtWordBreak == DT_WORDBREAK && kDtSingleLine == DT_SINGLELINE && kDtExpandTabs == DT_EXPANDTABS);
static_assert(kDtCalcRect == DT_CALCRECT && kDtNoPrefix == DT_NOPREFIX && kDtEditControl == DT_EDITCONTROL);
static_assert(kDtPathEllipsis == DT_PATH_ELLIPSIS && kDtEndEllipsis == DT_END_ELLIPSIS);
static_assert(kDtRtlReading == DT_RTLREADING);

namespace {

fw::Rect Moved(const fw::Rect& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// Mixes two colours: step 0 gives `from`, step `steps` gives `to`.
fw::Color Blend(fw::Color from, fw::Color to, int step, int steps) {
    const COLORREF a = fw::ToColorRef(from), b = fw::ToColorRef(to);
    auto mix = [&](int ca, int cb) { return ca + (cb - ca) * step / (steps > 0 ? steps : 1); };
    return fw::Color::Rgb(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
                          mix(GetBValue(a), GetBValue(b)));
}

void DrawOutline(fw::Canvas& canvas, const TEcl3DCaption& fx, const std::string& text, const fw::Rect& r, UINT format,
                 const fw::FontSpec& font, fw::Color color) {
    HDC dc = canvas.Dc();
    const int half = fx.ShadowDepth() / 2;
    ::BeginPath(dc);
    canvas.DrawText(text, Moved(r, half, half), format, font, color);
    ::EndPath(dc);
    fw::UniquePen pen = fw::NewPen(PS_SOLID, fx.ShadowDepth() > 0 ? fx.ShadowDepth() : 1, fw::ToColorRef(color));
    fw::SelectScope select(dc, pen.Get());
    ::StrokePath(dc);
}

// Copies of the text pixel by pixel along the orientation, then the face on top.
void DrawExtrude(fw::Canvas& canvas, const TEcl3DCaption& fx, const std::string& text, const fw::Rect& r, UINT format,
                 const fw::FontSpec& font, fw::Color color, bool enhanced) {
    const int depth = fx.ShadowDepth();
    const TEclTextOrientation o = fx.Orientation();
    const int dirX = o == TEclTextOrientation::toTopLeft || o == TEclTextOrientation::toBottomLeft ? -1 : 1;
    const int dirY = o == TEclTextOrientation::toTopLeft || o == TEclTextOrientation::toTopRight ? -1 : 1;
    const int faceX = dirX < 0 ? depth : 0, faceY = dirY < 0 ? depth : 0;
    for (int i = depth; i >= 1; --i) {
        const fw::Color c = enhanced ? Blend(fx.ShadowColor(), fx.LightColor(), depth - i, depth) : fx.ShadowColor();
        canvas.DrawText(text, Moved(r, faceX + dirX * i, faceY + dirY * i), format, font, c);
    }
    canvas.DrawText(text, Moved(r, faceX, faceY), format, font, color);
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

    if (style == TEclThreeDStyle::tdOutline) return DrawOutline(canvas, fx, text, start, format, font, color);
    if (style == TEclThreeDStyle::tdExtrude || style == TEclThreeDStyle::tdExtrudeEnh)
        return DrawExtrude(canvas, fx, text, start, format, font, color, style == TEclThreeDStyle::tdExtrudeEnh);

    FxLayer layers[3];
    const int count = FxLayers(fx, style, layers);
    for (int i = 0; i < count; ++i) {
        const FxLayer& layer = layers[i];
        const fw::Color c = layer.kind == FxLayerKind::Light    ? fx.LightColor()
                            : layer.kind == FxLayerKind::Shadow ? fx.ShadowColor()
                                                                : color;
        canvas.DrawText(text, Moved(start, layer.dx, layer.dy), format, font, c);
    }
}

SIZE MeasureScreenText(const std::string& text, const fw::FontSpec& font, UINT format, int width) {
    fw::WindowDc screen;
    fw::Canvas canvas(screen.Get());
    return canvas.MeasureText(text, font, format, width);
}

SIZE ScreenTextExtent(const std::string& text, const fw::FontSpec& font) {
    fw::WindowDc screen;
    fw::SelectScope select(screen.Get(), fw::FontHandle(font));
    SIZE size{};
    ::GetTextExtentPoint32A(screen.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

}  // namespace ecl
