#pragma once
// Drawing text with the 3-D caption effects, and measuring text on the screen.
#include <windows.h>

#include <string>

#include "controls/FxCaption.h"
#include "framework/Canvas_win.h"

namespace ecl {

struct FxTextOptions {
    bool enabled = true;
    bool want3dDisabled = false;  // buttons and radio items draw disabled text sunken
    bool clip = false;            // clip every pass to the text rectangle
};

// Draws the text in the rectangle with the caption's effect: the effect's passes, then the face in
// textColor (brushColor for the parent-colour styles). A disabled text is drawn in the grey-text
// colour. Nothing is drawn for an empty text or rectangle. A caption with an angle is drawn turned
// about the rectangle's top-left corner moved by PosX and PosY, its "&" marks shown as plain text
// without underline (unless the format has DT_NOPREFIX, which shows them literally).
void DrawFxText(fw::Canvas& canvas, const TEcl3DCaption& fx, const std::string& text, const fw::Rect& rect, UINT format,
                const fw::FontSpec& font, fw::Color textColor, fw::Color brushColor, const FxTextOptions& options);

// The text's extent on the screen in that font (DT_CALCRECT with the format, wrapping at width),
// with `charExtra` pixels of tracing after each character.
SIZE MeasureScreenText(const std::string& text, const fw::FontSpec& font, UINT format, int width = 0,
                       int charExtra = 0);
// The extent of the text as GetTextExtentPoint32 gives it, with `charExtra` pixels of tracing.
SIZE ScreenTextExtent(const std::string& text, const fw::FontSpec& font, int charExtra = 0);

// Only TrueType faces can be turned: rotated text needs one.
bool IsTrueTypeFont(const fw::FontSpec& font);
inline constexpr char kTrueTypeFace[] = "Arial";
// The font itself when it can be turned, else the same font in the TrueType face.
fw::FontSpec TurnableFont(const fw::FontSpec& font);

// A system colour value of the framework (clBtnFace ...) for a COLOR_* index.
inline fw::Color SystemColor(int index) { return fw::Color{static_cast<std::int32_t>(0x80000000u | unsigned(index))}; }

}  // namespace ecl
