#pragma once
// The glyph and caption of a button face, laid out as one block in the face's content rectangle.
#include <string>

#include "controls/ButtonState.h"
#include "controls/FxCaption.h"
#include "controls/Glyph_win.h"
#include "controls/GlyphTextLayout.h"
#include "framework/Canvas_win.h"

namespace ecl {

struct ButtonContent {
    std::string caption;  // empty when the caption is not used
    bool multiLine = false;
    fw::FontSpec font;
    fw::Color textColor = fw::clBtnText;
    fw::Color brushColor = fw::clBtnFace;
    ButtonState state = ButtonState::Up;
    bool accelHidden = false;  // the keyboard cues are off: the accelerator is not underlined
};

// Where the glyph and the caption box go in the content rectangle.
GlyphTextPlacement PlaceButtonContent(fw::Canvas& canvas, const fw::Rect& content, const ButtonContent& c,
                                      const TEclGlyph& glyph, const TEclGlyphTextLayout& layout);

// Draws the glyph cell of the state and the caption (greyed and sunken when disabled).
void DrawButtonContent(fw::Canvas& canvas, const fw::Rect& content, const ButtonContent& c, const TEclGlyph& glyph,
                       const TEclGlyphTextLayout& layout, const TEcl3DCaption& fx);

}  // namespace ecl
