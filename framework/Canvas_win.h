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
    // The extent of the text in the font (DT_CALCRECT with `format`, within `maxWidth` when wrapping).
    SIZE MeasureText(const std::string& text, const FontSpec& font, UINT format = DT_SINGLELINE, int maxWidth = 0);

private:
    HDC dc_;
};

}  // namespace fw
