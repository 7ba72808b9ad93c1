#include "about/ExtendedIcon_win.h"

#include "framework/Bitmaps_win.h"
#include "framework/Canvas_win.h"

namespace about {

namespace {

SIZE IconSize(HICON icon) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return {::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)};
    const fw::UniqueBitmap color(info.hbmColor), mask(info.hbmMask);
    if (color) return fw::BitmapSize(color.Get());
    // A monochrome icon's mask holds the AND and the XOR image one above the other.
    SIZE size = fw::BitmapSize(mask.Get());
    size.cy /= 2;
    return size;
}

}  // namespace

fw::UniqueBitmap MakeExtendedIconBitmap(HICON icon) {
    const SIZE iconSize = IconSize(icon);
    const int width = 2 * iconSize.cx + 8, height = 2 * iconSize.cy + 8;
    const fw::WindowDc screen;
    DWORD* pixels = nullptr;

    // The icon at its own size on the face colour, to be enlarged from there.
    const fw::UniqueMemoryDc iconDc = fw::NewMemoryDc(screen.Get());
    const fw::UniqueBitmap iconImage = fw::CreatePixelBitmap(iconDc.Get(), iconSize.cx, iconSize.cy, &pixels);
    const fw::SelectScope selectIcon(iconDc.Get(), iconImage.Get());
    fw::Canvas(iconDc.Get()).FillRect({0, 0, iconSize.cx, iconSize.cy}, fw::clBtnFace);
    ::DrawIconEx(iconDc.Get(), 0, 0, icon, iconSize.cx, iconSize.cy, 0, nullptr, DI_NORMAL);

    const fw::UniqueMemoryDc dc = fw::NewMemoryDc(screen.Get());
    fw::UniqueBitmap picture = fw::CreatePixelBitmap(dc.Get(), width, height, &pixels);
    {
        const fw::SelectScope select(dc.Get(), picture.Get());
        fw::Canvas canvas(dc.Get());
        canvas.FillRect({0, 0, width, height}, fw::clBtnFace);
        canvas.FillRect({6, height - 6, width, height}, fw::clGray);
        canvas.FillRect({width - 6, 6, width, height}, fw::clGray);
        ::SetStretchBltMode(dc.Get(), COLORONCOLOR);
        ::StretchBlt(dc.Get(), 1, 1, width - 7, height - 7, iconDc.Get(), 0, 0, iconSize.cx, iconSize.cy, SRCCOPY);
        canvas.FrameRect({0, 0, width - 5, height - 5}, fw::clBlack);
    }
    ::GdiFlush();
    return picture;
}

}  // namespace about
