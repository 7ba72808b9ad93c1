#include "controls/ButtonFacePaint_win.h"

#include "controls/FxText_win.h"

namespace ecl {

namespace {

int PushButtonPartState(ThemedState state) {
    switch (state) {
        case ThemedState::Disabled: return PBS_DISABLED;
        case ThemedState::Pressed: return PBS_PRESSED;
        case ThemedState::Hot: return PBS_HOT;
        case ThemedState::Defaulted: return PBS_DEFAULTED;
        default: return PBS_NORMAL;
    }
}

void DrawRaised(HDC dc, RECT& r) {
    ::DrawEdge(dc, &r, BDR_RAISEDOUTER, BF_RECT | BF_SOFT | BF_ADJUST);
    ::DrawEdge(dc, &r, BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_ADJUST);
}

fw::Rect Inset(const fw::Rect& r, int by) { return {r.left + by, r.top + by, r.right - by, r.bottom - by}; }

}  // namespace

bool PaintThemedFace(ThemeData& theme, HWND window, fw::Canvas& canvas, const fw::Rect& r, ThemedState state) {
    const RECT grown{r.left - 1, r.top - 1, r.right + 1, r.bottom + 1};
    const RECT clip{r.left, r.top, r.right, r.bottom};
    return theme.DrawBackground(window, canvas.Dc(), BP_PUSHBUTTON, PushButtonPartState(state), grown, &clip);
}

void PaintSpeedWin40Face(fw::Canvas& canvas, const fw::Rect& r, bool down) {
    RECT edge{r.left, r.top, r.right, r.bottom};
    if (down)
        ::DrawEdge(canvas.Dc(), &edge, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    else
        DrawRaised(canvas.Dc(), edge);
}

fw::Rect PaintPushWin40Face(fw::Canvas& canvas, const fw::Rect& r, bool pushed, bool active) {
    fw::Rect face = r;
    if (active && !pushed) {
        canvas.FrameRect(face, SystemColor(COLOR_WINDOWFRAME));
        face = Inset(face, 1);
    }
    if (pushed) {
        canvas.FrameRect(face, fw::clBlack);
        canvas.FrameRect(Inset(face, 1), fw::clGray);
    } else {
        RECT edge{face.left, face.top, face.right, face.bottom};
        DrawRaised(canvas.Dc(), edge);
    }
    return face;
}

void PaintIntegratedFace(fw::Canvas& canvas, const fw::Rect& r, fw::Color face, bool down) {
    if (down) {
        canvas.FrameRect(r, fw::clGray);
    } else {
        canvas.Frame3D(r, face, fw::clBlack);
        canvas.Frame3D(Inset(r, 1), fw::clWhite, fw::clGray);
    }
}

fw::Rect SpeedContent(const fw::Rect& r, bool down) {
    const fw::Rect content = Inset(r, 2);
    if (!down) return content;
    return {content.left + 1, content.top + 1, content.right + 1, content.bottom + 1};
}

void DrawBlackFocusRect(HDC dc, const fw::Rect& r) {
    const RECT focus{r.left, r.top, r.right, r.bottom};
    const COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0));
    const COLORREF oldBack = ::SetBkColor(dc, RGB(255, 255, 255));
    ::DrawFocusRect(dc, &focus);
    ::SetBkColor(dc, oldBack);
    ::SetTextColor(dc, oldText);
}

}  // namespace ecl
