#include "controls/RadioGroupButton_win.h"

#include <windowsx.h>

#include <algorithm>

#include "controls/FxText_win.h"
#include "controls/RadioGroup_win.h"
#include "framework/Change.h"
#include "framework/Handles_win.h"
#include "framework/Mnemonic.h"

namespace {

// The theme's radio mark state: checked or not, then pressed (the button held down on an enabled
// item), disabled or normal.
int RadioPartState(bool checked, bool enabled, bool pressed) {
    if (!enabled) return checked ? RBS_CHECKEDDISABLED : RBS_UNCHECKEDDISABLED;
    if (pressed) return checked ? RBS_CHECKEDPRESSED : RBS_UNCHECKEDPRESSED;
    return checked ? RBS_CHECKEDNORMAL : RBS_UNCHECKEDNORMAL;
}

// A frame of every other pixel in the colour, the way a focus rectangle is dotted: the pixels an
// even number of steps away from the top-left corner.
void DottedFrame(fw::Canvas& canvas, const fw::Rect& r, fw::Color color) {
    const COLORREF c = fw::ToColorRef(color);
    HDC dc = canvas.Dc();
    const auto dot = [&](int x, int y) {
        if ((x - r.left + y - r.top) % 2 == 0) ::SetPixelV(dc, x, y, c);
    };
    for (int x = r.left; x < r.right; ++x) {
        dot(x, r.top);
        dot(x, r.bottom - 1);
    }
    for (int y = r.top; y < r.bottom; ++y) {
        dot(r.left, y);
        dot(r.right - 1, y);
    }
}

}  // namespace

TEclRadioGroupButton::TEclRadioGroupButton(TEclRadioGroup& group, int index)
    : fw::WinControl(&group), group_(group), index_(index) {
    SetVisible(false);
    SetEnabled(group.Enabled());
    SetParent(&group);
}

const fw::ClassInfo& TEclRadioGroupButton::StaticClass() {
    static const fw::ClassInfo info("TEclRadioGroupButton", &fw::WinControl::StaticClass());
    return info;
}

void TEclRadioGroupButton::GetCreateParams(CreateParams& params) {
    fw::WinControl::GetCreateParams(params);
    params.classStyle |= CS_DBLCLKS;
}

void TEclRadioGroupButton::SetChecked(bool on) {
    if (!fw::Change(checked_, on)) return;
    Invalidate();
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
    if (!on) return;
    for (fw::Control* c : Parent()->Controls())
        if (auto* other = dynamic_cast<TEclRadioGroupButton*>(c); other && other != this) other->SetChecked(false);
    if (!mouseFocusing_) group_.ItemClicked(index_);
}

void TEclRadioGroupButton::FocusAndChoose() {
    SetFocus();
    if (group_.ReadOnly()) return;
    SetChecked(true);
    group_.ItemClicked(index_);
}

bool TEclRadioGroupButton::Describe(fw::AccessibleInfo& info) const {
    info.role = fw::AccessibleRole::RadioButton;
    info.name = fw::StripAccelMarks(Caption());
    info.defaultAction = "Check";
    if (checked_) info.state |= fw::accessible_state::kChecked;
    return true;
}

bool TEclRadioGroupButton::DoDefaultAction() {
    if (!Enabled()) return false;
    Press();
    Release(true);
    return true;
}

void TEclRadioGroupButton::ThemeChanged() {
    theme_.Reset();
    fw::WinControl::ThemeChanged();
}

void TEclRadioGroupButton::Press() {
    if (!Focused()) {
        mouseFocusing_ = true;
        SetFocus();
        if (!group_.ReadOnly()) SetChecked(true);
        mouseFocusing_ = false;
    }
    pressed_ = true;
    ::SetCapture(Handle());
    Invalidate();
}

void TEclRadioGroupButton::Release(bool over) {
    pressed_ = false;
    if (::GetCapture() == Handle()) ::ReleaseCapture();
    Invalidate();
    if (over) {
        if (!group_.ReadOnly()) SetChecked(true);
        Click();
    }
    if (checked_ && group_.ItemIndex() != index_) group_.ItemClicked(index_);
}

LRESULT TEclRadioGroupButton::ButtonState() const {
    LRESULT state = checked_ ? BST_CHECKED : BST_UNCHECKED;
    if (Focused()) state |= BST_FOCUS;
    if (pressed_ || highlighted_) state |= BST_PUSHED;
    return state;
}

LRESULT TEclRadioGroupButton::ButtonMessage(UINT msg, WPARAM wParam) {
    switch (msg) {
        case BM_GETCHECK: return checked_ ? BST_CHECKED : BST_UNCHECKED;
        case BM_SETCHECK:
            // Unchecking the selected item leaves the group without a selection.
            if (wParam == BST_UNCHECKED && group_.ItemIndex() == index_)
                group_.SetItemIndex(-1);
            else
                SetChecked(wParam != BST_UNCHECKED);
            return 0;
        case BM_GETSTATE: return ButtonState();
        case BM_SETSTATE:
            if (fw::Change(highlighted_, wParam != 0)) Invalidate();
            return 0;
        default:  // BM_CLICK: the user's click, as a screen reader's default action
            DoDefaultAction();
            return 0;
    }
}

LRESULT TEclRadioGroupButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case BM_GETCHECK:
        case BM_SETCHECK:
        case BM_GETSTATE:
        case BM_SETSTATE:
        case BM_CLICK: return ButtonMessage(msg, wParam);
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // Posted input reaches a disabled window too; a disabled item ignores it.
            if (!Enabled()) return 0;
            Press();
            if (msg == WM_LBUTTONDBLCLK) {
                if (onDblClick_) onDblClick_(*this);
                group_.DblClick();
            }
            return 0;
        case WM_LBUTTONUP:
            if (pressed_) Release(ClientRect().Contains(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)));
            return 0;
        case WM_CAPTURECHANGED:
            if (pressed_ && reinterpret_cast<HWND>(lParam) != Handle()) Release(false);
            return 0;
        case WM_KEYDOWN:
            if (wParam == VK_DOWN || wParam == VK_RIGHT || wParam == VK_UP || wParam == VK_LEFT) {
                if (Enabled()) group_.FocusNeighbour(index_, wParam == VK_DOWN || wParam == VK_RIGHT);
                return 0;
            }
            break;
        case WM_CHAR:
            if (wParam == ' ' || wParam == '\b') {
                if (Enabled() && wParam == ' ' && !group_.ReadOnly()) SetChecked(true);
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS: Invalidate(); break;
        default: break;
    }
    return fw::WinControl::WndProc(msg, wParam, lParam);
}

SIZE TEclRadioGroupButton::GlyphExtent(fw::Canvas& canvas, bool themed) {
    const int side = group_.GlyphSize();
    SIZE size{side, side};
    if (themed && !theme_.PartSize(Handle(), canvas.Dc(), BP_RADIOBUTTON, RBS_UNCHECKEDNORMAL, size))
        size = {side, side};
    return size;
}

void TEclRadioGroupButton::Paint(fw::Canvas& canvas) {
    group_.PaintBackground(canvas, BoundsRect());
    const bool themed = ecl::VisualStyleInForce(group_.CtlXP());
    const UINT format = DT_SINGLELINE | DT_EXPANDTABS | (group_.ShowAccelChar() ? 0 : DT_NOPREFIX);
    const fw::Rect box{1, 0, Width() - 1, Height()};
    const SIZE glyph = GlyphExtent(canvas, themed);
    const int room = box.Width() - glyph.cx - layout_.Spacing();
    const SIZE measured = canvas.MeasureText(Caption(), Font(), format, room);
    const ecl::GlyphTextPlacement place =
        ecl::PlaceGlyphText(box, {glyph.cx, glyph.cy}, {measured.cx + 2, measured.cy + 2}, layout_);

    PaintMark(canvas, place.glyph, themed);
    ecl::DrawFxText(canvas, TEcl3DCaption{}, Caption(), place.text, format, Font(), TextColor(), BackColor(),
                    {Enabled(), true, false});

    if (!Focused()) return;
    switch (group_.FocusStyle()) {
        case TEclFocusStyle::fcNone: return;
        case TEclFocusStyle::fcControl: PaintFocus(canvas, ClientRect()); return;
        case TEclFocusStyle::fcText:
            PaintFocus(canvas,
                       {place.text.left - 2, std::max(place.text.top - 1, 0), place.text.right, place.text.bottom});
            return;
        case TEclFocusStyle::fcGlyph: PaintFocus(canvas, place.glyph); return;
        case TEclFocusStyle::fcGlyphText:
            PaintFocus(canvas, {std::min(place.glyph.left, place.text.left), std::min(place.glyph.top, place.text.top),
                                std::max(place.glyph.right, place.text.right),
                                std::max(place.glyph.bottom, place.text.bottom)});
            return;
    }
}

void TEclRadioGroupButton::PaintFocus(fw::Canvas& canvas, const fw::Rect& focus) {
    if (group_.UseFocusColor()) {
        DottedFrame(canvas, focus, group_.FocusColor());
        return;
    }
    const RECT r{focus.left, focus.top, focus.right, focus.bottom};
    ::DrawFocusRect(canvas.Dc(), &r);
}

void TEclRadioGroupButton::PaintMark(fw::Canvas& canvas, const fw::Rect& glyph, bool themed) {
    const RECT area{glyph.left, glyph.top, glyph.right, glyph.bottom};
    if (themed && theme_.DrawBackground(Handle(), canvas.Dc(), BP_RADIOBUTTON,
                                        RadioPartState(checked_, Enabled(), pressed_ || highlighted_), area, nullptr))
        return;
    // The classic mark: one cell of the glyph strip, drawn in the key colour and copied without it.
    const int w = glyph.Width(), h = glyph.Height();
    fw::UniqueMemoryDc dc = fw::NewMemoryDc(canvas.Dc());
    fw::UniqueBitmap bitmap = fw::NewCompatibleBitmap(canvas.Dc(), w, h);
    fw::SelectScope select(dc.Get(), bitmap.Get());
    fw::Canvas(dc.Get()).FillRect({0, 0, w, h}, group_.GlyphTransparentColor());
    RECT cell{0, 0, w, h};
    UINT state = DFCS_BUTTONRADIO;
    if (checked_) state |= DFCS_CHECKED;
    if (!Enabled()) state |= DFCS_INACTIVE;
    if (group_.GlyphFlat()) state |= DFCS_FLAT;
    ::DrawFrameControl(dc.Get(), &cell, DFC_BUTTON, state);
    if (group_.GlyphTransparent())
        ::TransparentBlt(canvas.Dc(), glyph.left, glyph.top, w, h, dc.Get(), 0, 0, w, h,
                         fw::ToColorRef(group_.GlyphTransparentColor()));
    else
        ::BitBlt(canvas.Dc(), glyph.left, glyph.top, w, h, dc.Get(), 0, 0, SRCCOPY);
}
