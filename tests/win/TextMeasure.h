#pragma once
// Text measured the way the platform measures it for the controls: in a font selected into a
// device context. Tests compute the sizes and positions they expect from these.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Handles_win.h"

namespace wintest {

// The extent of a text in the font, in the window's device context (the screen's when null).
SIZE TextExtent(HFONT font, const std::string& text, HWND window = nullptr);
// The line height (tmHeight) of the font on the screen.
int LineHeight(HFONT font);

// A font made for measuring: face, height in the description's sense (negative: character
// height), weight and character set.
fw::UniqueFont MakeFont(const char* face, int height, int weight, int charset);

// The extent of a text in a font given by face, height and boldness.
SIZE TextSize(const std::string& text, const char* face, int height, bool bold);

// Width of each line and the line height of a font, as the screen measures them.
struct Measured {
    std::vector<int> widths;
    int lineHeight = 0;
};
Measured MeasureLines(const char* face, int height, int weight, int charset, const std::vector<std::string>& lines);

}  // namespace wintest
