#include "controls/ButtonContent_win.h"

#include <algorithm>

#include "controls/FxText_win.h"

namespace ecl {

namespace {
UINT CaptionFormat(const ButtonContent& c) { return DT_EXPANDTABS | (c.multiLine ? DT_WORDBREAK : 0); }
}  // namespace

GlyphTextPlacement PlaceButtonContent(fw::Canvas& canvas, const fw::Rect& content, const ButtonContent& c,
                                      const TEclGlyph& glyph, const TEclGlyphTextLayout& layout) {
    const BlockSize glyphSize = glyph.Empty() ? BlockSize{} : BlockSize{glyph.CellWidth(), glyph.Height()};
    BlockSize textSize;
    if (!c.caption.empty()) {
        const int room = content.Width() - (glyphSize.Empty() ? 0 : glyphSize.width + layout.Spacing());
        const SIZE measured = canvas.MeasureText(c.caption, c.font, CaptionFormat(c), std::max(room, 0));
        textSize = {measured.cx + 2, measured.cy + 2};
    }
    return PlaceGlyphText(content, glyphSize, textSize, layout);
}

void DrawButtonContent(fw::Canvas& canvas, const fw::Rect& content, const ButtonContent& c, const TEclGlyph& glyph,
                       const TEclGlyphTextLayout& layout, const TEcl3DCaption& fx) {
    const GlyphTextPlacement place = PlaceButtonContent(canvas, content, c, glyph, layout);
    glyph.Draw(canvas.Dc(), place.glyph.left, place.glyph.top, c.state);
    if (c.caption.empty()) return;
    UINT format = CaptionFormat(c);
    if (c.multiLine) format |= AlignmentFlags(layout.Alignment());
    if (c.accelHidden) format |= DT_HIDEPREFIX;
    const bool enabled = c.state != ButtonState::Disabled && c.state != ButtonState::DisabledDown;
    DrawFxText(canvas, fx, c.caption, place.text, format, c.font, c.textColor, c.brushColor, {enabled, true, false});
}

}  // namespace ecl
