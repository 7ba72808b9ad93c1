#pragma once
// Portable rectangles and sizes in pixels.

namespace fw {

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    static Rect FromBounds(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

struct Size {
    int width = 0;
    int height = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

}  // namespace fw
