#pragma once
// A button glyph: a strip of equal cells from a bitmap resource of the program, drawn with the
// colour of its lower-left pixel left out. Its prepared cells live in the process-wide glyph cache.
#include <windows.h>

#include <array>
#include <memory>
#include <string>

#include "controls/GlyphCache_win.h"
#include "controls/ButtonState.h"
#include "framework/Graphics.h"
#include "framework/Handles_win.h"

class TEclGlyph {
public:
    TEclGlyph() = default;
    ~TEclGlyph() { ReleaseCells(); }
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

    // The cache's list holding this glyph's cells (none without a bitmap).
    const ecl::GlyphList* CacheList() const { return list_.get(); }

private:
    void Adopt(fw::UniqueBitmap bitmap, std::string name);
    // Cuts the strip into its cells (and the greyed image of a one-cell glyph) in the cache.
    void PrepareCells();
    void ReleaseCells();
    fw::UniqueBitmap Cell(int index, DWORD** pixels = nullptr) const;
    fw::UniqueBitmap Greyed() const;

    static constexpr int kGreyedSlot = 5;  // after the five state cells
    std::string resourceName_;
    fw::UniqueBitmap bitmap_;
    std::shared_ptr<ecl::GlyphList> list_;
    std::array<int, 9> slots_{-1, -1, -1, -1, -1, -1, -1, -1, -1};
    int width_ = 0;
    int height_ = 0;
    int numGlyphs_ = 1;
    COLORREF transparent_ = 0;
};
