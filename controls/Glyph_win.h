#pragma once
// A button glyph: a strip of equal cells from a bitmap resource of the program, drawn with the
// colour of its lower-left pixel left out.
#include <windows.h>

#include <string>

#include "controls/ButtonState.h"
#include "framework/Graphics.h"
#include "framework/Handles_win.h"

class TEclGlyph {
public:
    TEclGlyph() = default;
    TEclGlyph(const TEclGlyph&) = delete;
    TEclGlyph& operator=(const TEclGlyph&) = delete;

    // Loads the whole bitmap resource as the strip (an empty name clears it); the number of cells
    // follows the bitmap's proportions. Throws std::runtime_error when there is no such bitmap.
    void Load(const std::string& resourceName);
    // Loads picture `index` of a resource holding `count` pictures side by side, as a one-cell glyph.
    void LoadPicture(const std::string& resourceName, int index, int count);
    const std::string& ResourceName() const { return resourceName_; }
    bool Empty() const { return !bitmap_; }

    int NumGlyphs() const { return numGlyphs_; }
    // 1 to 5 cells; 0 is ignored.
    void SetNumGlyphs(int count);

    int Width() const { return width_; }
    int Height() const { return height_; }
    int CellWidth() const { return numGlyphs_ > 0 ? width_ / numGlyphs_ : width_; }
    COLORREF TransparentColor() const { return transparent_; }

    // Draws the cell of that state with its top-left corner at (x, y).
    void Draw(HDC dc, int x, int y, ecl::ButtonState state) const;

private:
    void Adopt(fw::UniqueBitmap bitmap, std::string name);
    const fw::UniqueBitmap& Greyed() const;

    std::string resourceName_;
    fw::UniqueBitmap bitmap_;
    mutable fw::UniqueBitmap greyed_;  // made on first use from cell 0
    int width_ = 0;
    int height_ = 0;
    int numGlyphs_ = 1;
    COLORREF transparent_ = 0;
};
