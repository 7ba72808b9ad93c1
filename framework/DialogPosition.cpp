#include "framework/DialogPosition.h"

namespace ecl {

DialogOrigin PlaceDialog(const fw::Rect& reference, int windowWidth, int windowHeight, TEclDlgPosition position,
                         int desktopWidth, int desktopHeight) {
    const fw::Rect& r = reference;
    const int w = windowWidth, h = windowHeight;
    DialogOrigin o{r.left, r.top};
    if (position != TEclDlgPosition::bpCustom) {
        // bpTopLeft .. bpBottomRight run through three rows of three.
        const int index = static_cast<int>(position) - static_cast<int>(TEclDlgPosition::bpTopLeft);
        const int column = index % 3, row = index / 3;
        if (column == 1) o.x = r.left + (r.Width() - w) / 2;
        if (column == 2) o.x = r.right - w;
        if (row == 1) o.y = r.top + (r.Height() - h) / 2;
        if (row == 2) o.y = r.bottom - h;
    }
    if (o.y + h > desktopHeight) o.y = desktopHeight - h;
    if (o.x + w > desktopWidth) o.x = desktopWidth - w;
    if (o.x < 0) o.x = 0;
    if (o.y < 0) o.y = 0;
    return o;
}

}  // namespace ecl
