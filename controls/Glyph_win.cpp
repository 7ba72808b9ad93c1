#include "controls/Glyph_win.h"

#include <vector>

#include "framework/Bitmaps_win.h"

namespace {

// DIB pixels are 0x00RRGGBB, COLORREFs 0x00BBGGRR.
DWORD ToPixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

}  // namespace

void TEclGlyph::Adopt(fw::UniqueBitmap bitmap, std::string name) {
    bitmap_ = std::move(bitmap);
    greyed_.Reset();
    resourceName_ = std::move(name);
    width_ = height_ = 0;
    transparent_ = 0;
    if (!bitmap_) return;
    const SIZE size = fw::BitmapSize(bitmap_.Get());
    width_ = size.cx;
    height_ = size.cy;
    fw::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    fw::SelectScope select(dc.Get(), bitmap_.Get());
    transparent_ = ::GetPixel(dc.Get(), 0, height_ - 1);
}

void TEclGlyph::Load(const std::string& resourceName) {
    fw::UniqueBitmap bitmap;
    if (!resourceName.empty()) bitmap = fw::LoadBitmapResource(resourceName);
    Adopt(std::move(bitmap), resourceName);
    numGlyphs_ = ecl::NumGlyphsForSize(width_, height_, numGlyphs_);
}

void TEclGlyph::LoadPicture(const std::string& resourceName, int index, int count) {
    const fw::UniqueBitmap strip = fw::LoadBitmapResource(resourceName);
    const SIZE size = fw::BitmapSize(strip.Get());
    const int cellWidth = count > 0 ? size.cx / count : size.cx;
    fw::UniqueMemoryDc source(::CreateCompatibleDC(nullptr));
    fw::UniqueMemoryDc target(::CreateCompatibleDC(nullptr));
    DWORD* pixels = nullptr;
    fw::UniqueBitmap picture = fw::CreatePixelBitmap(target.Get(), cellWidth, size.cy, &pixels);
    {
        fw::SelectScope selectSource(source.Get(), strip.Get());
        fw::SelectScope selectTarget(target.Get(), picture.Get());
        ::BitBlt(target.Get(), 0, 0, cellWidth, size.cy, source.Get(), index * cellWidth, 0, SRCCOPY);
    }
    Adopt(std::move(picture), resourceName);
    numGlyphs_ = 1;
}

void TEclGlyph::SetNumGlyphs(int count) {
    if (count < 1 || count > 5 || count == numGlyphs_) return;
    numGlyphs_ = count;
    greyed_.Reset();
}

// The greyed image of a one-cell glyph: its shape embossed in the shadow colour over a highlight
// copy one pixel down and right.
const fw::UniqueBitmap& TEclGlyph::Greyed() const {
    if (greyed_) return greyed_;
    const int w = CellWidth(), h = height_;
    fw::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    DWORD* src = nullptr;
    fw::UniqueBitmap copy = fw::CreatePixelBitmap(dc.Get(), w, h, &src);
    {
        fw::UniqueMemoryDc source(::CreateCompatibleDC(nullptr));
        fw::SelectScope selectSource(source.Get(), bitmap_.Get());
        fw::SelectScope selectTarget(dc.Get(), copy.Get());
        ::BitBlt(dc.Get(), 0, 0, w, h, source.Get(), 0, 0, SRCCOPY);
    }
    ::GdiFlush();
    DWORD* out = nullptr;
    fw::UniqueBitmap greyed = fw::CreatePixelBitmap(dc.Get(), w, h, &out);
    const DWORD key = ToPixel(transparent_);
    const DWORD shadow = ToPixel(::GetSysColor(COLOR_BTNSHADOW));
    const DWORD light = ToPixel(::GetSysColor(COLOR_BTNHIGHLIGHT));
    std::vector<bool> opaque(static_cast<size_t>(w * h));
    for (int i = 0; i < w * h; ++i) {
        opaque[static_cast<size_t>(i)] = (src[i] & 0xFFFFFF) != key;
        out[i] = key;
    }
    for (int y = 0; y + 1 < h; ++y)
        for (int x = 0; x + 1 < w; ++x)
            if (opaque[static_cast<size_t>(y * w + x)]) out[(y + 1) * w + x + 1] = light;
    for (int i = 0; i < w * h; ++i)
        if (opaque[static_cast<size_t>(i)]) out[i] = shadow;
    greyed_ = std::move(greyed);
    return greyed_;
}

void TEclGlyph::Draw(HDC dc, int x, int y, ecl::ButtonState state) const {
    if (!bitmap_) return;
    const ecl::GlyphCell cell = ecl::GlyphCellFor(state, numGlyphs_);
    const int w = CellWidth();
    fw::UniqueMemoryDc source(::CreateCompatibleDC(dc));
    const HBITMAP image = cell.greyed ? Greyed().Get() : bitmap_.Get();
    fw::SelectScope select(source.Get(), image);
    const int sourceX = cell.greyed ? 0 : cell.index * w;
    ::TransparentBlt(dc, x, y, w, height_, source.Get(), sourceX, 0, w, height_, transparent_);
}
