#include "controls/Glyph_win.h"

#include <utility>
#include <vector>

#include "framework/Bitmaps_win.h"

namespace {

// DIB pixels are 0x00RRGGBB, COLORREFs 0x00BBGGRR.
DWORD ToPixel(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

// A 32-bit copy of the part of `source` from column x on, `width` by `height`.
fw::UniqueBitmap CopyPart(HBITMAP source, int x, int width, int height, DWORD** pixels) {
    fw::UniqueMemoryDc sourceDc = fw::NewMemoryDc(nullptr);
    fw::UniqueMemoryDc targetDc = fw::NewMemoryDc(nullptr);
    DWORD* bits = nullptr;
    fw::UniqueBitmap part = fw::CreatePixelBitmap(targetDc.Get(), width, height, pixels ? pixels : &bits);
    fw::SelectScope selectSource(sourceDc.Get(), source);
    fw::SelectScope selectTarget(targetDc.Get(), part.Get());
    ::BitBlt(targetDc.Get(), 0, 0, width, height, sourceDc.Get(), x, 0, SRCCOPY);
    return part;
}

}  // namespace

void TEclGlyph::Adopt(fw::UniqueBitmap bitmap, std::string name) {
    ReleaseCells();
    bitmap_ = std::move(bitmap);
    resourceName_ = std::move(name);
    width_ = height_ = 0;
    transparent_ = 0;
    if (!bitmap_) return;
    const SIZE size = fw::BitmapSize(bitmap_.Get());
    width_ = size.cx;
    height_ = size.cy;
    fw::UniqueMemoryDc dc = fw::NewMemoryDc(nullptr);
    fw::SelectScope select(dc.Get(), bitmap_.Get());
    transparent_ = ::GetPixel(dc.Get(), 0, height_ - 1);
}

void TEclGlyph::Load(const std::string& resourceName) {
    fw::UniqueBitmap bitmap;
    if (!resourceName.empty()) bitmap = fw::LoadBitmapResource(resourceName);
    Adopt(std::move(bitmap), resourceName);
    numGlyphs_ = ecl::NumGlyphsForSize(width_, height_, numGlyphs_);
    PrepareCells();
}

void TEclGlyph::LoadPicture(const std::string& resourceName, int index, int count) {
    const fw::UniqueBitmap strip = fw::LoadBitmapResource(resourceName);
    const SIZE size = fw::BitmapSize(strip.Get());
    const int cellWidth = count > 0 ? size.cx / count : size.cx;
    Adopt(CopyPart(strip.Get(), index * cellWidth, cellWidth, size.cy, nullptr), resourceName);
    numGlyphs_ = 1;
    PrepareCells();
}

void TEclGlyph::SetNumGlyphs(int count) {
    if (count < 1 || count > 5 || count == numGlyphs_) return;
    numGlyphs_ = count;
    ReleaseCells();
    PrepareCells();
}

void TEclGlyph::PrepareCells() {
    if (!bitmap_ || CellWidth() <= 0 || height_ <= 0) return;
    list_ = ecl::TEclGlyphCache::ListFor(CellWidth(), height_);
    for (int i = 0; i < numGlyphs_; ++i) slots_[static_cast<size_t>(i)] = list_->Add(Cell(i));
    if (numGlyphs_ == 1) slots_[kGreyedSlot] = list_->Add(Greyed());
}

void TEclGlyph::ReleaseCells() {
    if (list_)
        for (int& slot : slots_) list_->Remove(std::exchange(slot, -1));
    list_.reset();
}

fw::UniqueBitmap TEclGlyph::Cell(int index, DWORD** pixels) const {
    return CopyPart(bitmap_.Get(), index * CellWidth(), CellWidth(), height_, pixels);
}

// The greyed image of a one-cell glyph: its shape embossed in the shadow colour over a highlight
// copy one pixel down and right.
fw::UniqueBitmap TEclGlyph::Greyed() const {
    const int w = CellWidth(), h = height_;
    DWORD* src = nullptr;
    const fw::UniqueBitmap copy = Cell(0, &src);
    ::GdiFlush();
    fw::UniqueMemoryDc dc = fw::NewMemoryDc(nullptr);
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
        for (int x = 0; x + 1 < w; ++x) {
            const int i = y * w + x;
            if (opaque[static_cast<size_t>(i)]) out[i + w + 1] = light;
        }
    for (int i = 0; i < w * h; ++i)
        if (opaque[static_cast<size_t>(i)]) out[i] = shadow;
    return greyed;
}

void TEclGlyph::Draw(HDC dc, int x, int y, ecl::ButtonState state) const {
    if (!list_) return;
    const ecl::GlyphCell cell = ecl::GlyphCellFor(state, numGlyphs_);
    const HBITMAP image = list_->At(slots_[static_cast<size_t>(cell.greyed ? kGreyedSlot : cell.index)]);
    if (!image) return;
    const int w = CellWidth();
    fw::UniqueMemoryDc source = fw::NewMemoryDc(dc);
    fw::SelectScope select(source.Get(), image);
    ::TransparentBlt(dc, x, y, w, height_, source.Get(), 0, 0, w, height_, transparent_);
}
