#include "framework/Bitmaps_win.h"

#include <stdexcept>

namespace fw {

UniqueBitmap LoadBitmapResource(const std::string& name) {
    UniqueBitmap bitmap = LoadBitmapImage(name.c_str());
    if (!bitmap) throw std::runtime_error("Bitmap resource " + name + " not found");
    return bitmap;
}

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP bm{};
    if (bitmap) ::GetObjectA(bitmap, sizeof bm, &bm);
    return {bm.bmWidth, bm.bmHeight};
}

UniqueBitmap CreatePixelBitmap(HDC dc, int width, int height, DWORD** pixels) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    UniqueBitmap bitmap = NewDibSection(dc, info, &bits);
    if (!bitmap)
        throw std::runtime_error("Cannot create an image of " + std::to_string(width) + " x " + std::to_string(height) +
                                 " pixels");
    *pixels = static_cast<DWORD*>(bits);
    return bitmap;
}

}  // namespace fw
