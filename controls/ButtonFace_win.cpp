#include "controls/ButtonFace_win.h"

namespace ecl {

ButtonFace::ButtonFace(std::function<void()> repaint) : repaint_(std::move(repaint)) {
    fontFX_.SetOnChange(repaint_);
    layout_.SetOnChange(repaint_);
}

void ButtonFace::SetGlyphName(const std::string& resourceName) {
    if (resourceName == glyph_.ResourceName()) return;
    glyph_.Load(resourceName);
    repaint_();
}

void ButtonFace::SetNumGlyphs(int count) {
    if (count == glyph_.NumGlyphs()) return;
    glyph_.SetNumGlyphs(count);
    repaint_();
}

}  // namespace ecl
