#pragma once
// A top-down 32-bit bitmap selected into a memory DC, for tests that read back what was drawn.
#include <windows.h>

#include <algorithm>
#include <climits>
#include <functional>

#include "framework/Bitmaps_win.h"
#include "framework/Handles_win.h"

namespace wintest {

class Pixels {
public:
    Pixels(int width, int height, COLORREF fill)
        : width_(width),
          height_(height),
          dc_(::CreateCompatibleDC(nullptr)),
          bitmap_(fw::CreatePixelBitmap(dc_.Get(), width, height, &bits_)),
          selected_(dc_.Get(), bitmap_.Get()) {
        const fw::UniqueBrush brush(::CreateSolidBrush(fill));
        RECT all{0, 0, width, height};
        ::FillRect(dc_.Get(), &all, brush.Get());
    }
    Pixels(const Pixels&) = delete;
    Pixels& operator=(const Pixels&) = delete;

    HDC Dc() const { return dc_.Get(); }
    COLORREF At(int x, int y) const {
        ::GdiFlush();
        const DWORD p = bits_[y * width_ + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    int Count(const RECT& r, const std::function<bool(COLORREF)>& match) const {
        int n = 0;
        for (int y = std::max(0, int(r.top)); y < std::min(height_, int(r.bottom)); ++y)
            for (int x = std::max(0, int(r.left)); x < std::min(width_, int(r.right)); ++x)
                if (match(At(x, y))) ++n;
        return n;
    }
    int Count(const RECT& r, COLORREF c) const {
        return Count(r, [c](COLORREF p) { return p == c; });
    }
    // The smallest rectangle holding every pixel of that colour within r (empty when none).
    RECT Bounds(const RECT& r, COLORREF c) const {
        RECT b{LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN};
        for (int y = std::max(0, int(r.top)); y < std::min(height_, int(r.bottom)); ++y)
            for (int x = std::max(0, int(r.left)); x < std::min(width_, int(r.right)); ++x)
                if (At(x, y) == c) {
                    b.left = std::min(b.left, LONG(x));
                    b.top = std::min(b.top, LONG(y));
                    b.right = std::max(b.right, LONG(x + 1));
                    b.bottom = std::max(b.bottom, LONG(y + 1));
                }
        if (b.left == LONG_MAX) return RECT{};
        return b;
    }

private:
    int width_, height_;
    DWORD* bits_ = nullptr;
    fw::UniqueMemoryDc dc_;
    fw::UniqueBitmap bitmap_;
    fw::SelectScope selected_;
};

}  // namespace wintest
