#pragma once
// Drawing on a device context with the framework's colours and fonts.
#include <windows.h>

#include <string>

#include "framework/Graphics.h"

namespace fw {

COLORREF ToColorRef(Color c);
// A shared font handle for the description; lives until the program ends.
HFONT FontHandle(const FontSpec& font);

class Canvas {
public:
    explicit Canvas(HDC dc) : dc_(dc) {}
    HDC Dc() const { return dc_; }

    void FillRect(const Rect& r, Color c);
    void FrameRect(const Rect& r, Color c);
    // A one-pixel frame: top and left in `topLeft`, bottom and right in `bottomRight`.
    void Frame3D(const Rect& r, Color topLeft, Color bottomRight);
    // Draws text with DrawTextA in the font's colour (or `color` when given); transparent background.
    void DrawText(const std::string& text, Rect r, UINT format, const FontSpec& font);
    void DrawText(const std::string& text, Rect r, UINT format, const FontSpec& font, Color color);
    // Draws one line of text with its top-left at the point (a rotated font turns it about that
    // point), in `color` on a transparent background; no prefix processing.
    void TextOut(const std::string& text, int x, int y, const FontSpec& font, Color color);
    // The extent of the text in the font (DT_CALCRECT with `format`, within `maxWidth` when wrapping),
    // with `charExtra` pixels added after each character.
    SIZE MeasureText(const std::string& text, const FontSpec& font, UINT format = DT_SINGLELINE, int maxWidth = 0,
                     int charExtra = 0);

private:
    HDC dc_;
};

}  // namespace fw
