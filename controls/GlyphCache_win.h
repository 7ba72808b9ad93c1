#pragma once
// The process-wide cache of prepared glyph cells: one list of images per cell size, shared by
// every glyph whose cells have that size and released with the last of them.
#include <windows.h>

#include <memory>
#include <vector>

#include "framework/Handles_win.h"

namespace ecl {

class GlyphList {
public:
    GlyphList(int width, int height) : width_(width), height_(height) {}
    GlyphList(const GlyphList&) = delete;
    GlyphList& operator=(const GlyphList&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    // Keeps a prepared cell image of the list's size; returns its slot (a freed one when there is).
    int Add(fw::UniqueBitmap image);
    void Remove(int slot);
    HBITMAP At(int slot) const;
    // The images held.
    int Count() const;

private:
    int width_, height_;
    std::vector<fw::UniqueBitmap> slots_;
};

class TEclGlyphCache {
public:
    // The list for cells of this size, made when no glyph holds one.
    static std::shared_ptr<GlyphList> ListFor(int width, int height);
    // The lists alive.
    static int ListCount();
};

}  // namespace ecl
