#include "controls/Button_win.h"

#include <windowsx.h>

#include "controls/ButtonContent_win.h"
#include "controls/FxText_win.h"

TEclButton::TEclButton(fw::Component* owner) : fw::WinControl(owner), face_([this] { Invalidate(); }) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
}

const fw::ClassInfo& TEclButton::StaticClass() {
    static const fw::ClassInfo info = [] {
        using C = TEclButton;
        fw::ClassInfo ci("TEclButton", &fw::WinControl::StaticClass(),
                         [](fw::Component* owner) { return std::make_unique<C>(owner); });
        ecl::Publish<C>(ci)
            .Property<bool>("Default", &C::Default, &C::SetDefault)
            .Property<bool>("Cancel", &C::Cancel, &C::SetCancel)
            .Property<int>("ModalResult", &C::ModalResult, &C::SetModalResult);
        ecl::PublishButtonFace<C>(ci);
        return ci;
    }();
    return info;
}

ecl::ButtonState TEclButton::State() const { return ecl::PushButtonState(Enabled(), pressed_, hot_); }

void TEclButton::SetPressed(bool pressed) {
    if (pressed == pressed_) return;
    pressed_ = pressed;
    Invalidate();
}

// Forgets a press in progress without clicking.
void TEclButton::EndPress() {
    const bool hadMouse = mouseDown_;
    mouseDown_ = false;
    spaceDown_ = false;
    SetPressed(false);
    if (hadMouse && ::GetCapture() == Handle()) ::ReleaseCapture();
}

void TEclButton::EnabledChanged() {
    if (!Enabled()) EndPress();
    fw::WinControl::EnabledChanged();
}

void TEclButton::OnMouseMove(int x, int y) {
    if (mouseDown_) SetPressed(ClientRect().Contains(x, y));
    if (!hot_) {
        hot_ = true;
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, Handle(), 0};
        ::TrackMouseEvent(&tme);
        Invalidate();
    }
}

LRESULT TEclButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // Posted input reaches a disabled window too; a disabled button ignores it.
            if (!Enabled()) return 0;
            if (CanFocus() && !Focused()) SetFocus();
            mouseDown_ = true;
            ::SetCapture(Handle());
            SetPressed(true);
            return 0;
        case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
        case WM_MOUSELEAVE:
            hot_ = false;
            Invalidate();
            return 0;
        case WM_LBUTTONUP: {
            if (!mouseDown_) return 0;
            const bool click = pressed_ && ClientRect().Contains(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            EndPress();
            if (click && Enabled()) Click();
            return 0;
        }
        case WM_CAPTURECHANGED:
            if (mouseDown_ && reinterpret_cast<HWND>(lParam) != Handle()) EndPress();
            return 0;
        case WM_KEYDOWN:
            if (!Enabled()) return 0;
            if (wParam == VK_SPACE && !mouseDown_) {
                spaceDown_ = true;
                SetPressed(true);
                return 0;
            }
            if (wParam == VK_RETURN) {
                Click();
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wParam == VK_SPACE && spaceDown_) {
                EndPress();
                if (Enabled()) Click();
                return 0;
            }
            break;
        case WM_CHAR: return 0;  // keys act on WM_KEYDOWN and WM_KEYUP
        case WM_SETFOCUS: Invalidate(); break;
        case WM_KILLFOCUS:
            if (spaceDown_) EndPress();
            Invalidate();
            break;
        default: break;
    }
    return fw::WinControl::WndProc(msg, wParam, lParam);
}

void TEclButton::Paint(fw::Canvas& canvas) {
    HDC dc = canvas.Dc();
    const ecl::ButtonState state = State();
    const bool pushed = state == ecl::ButtonState::Pushed;
    const bool focused = Focused();
    fw::Rect face = ClientRect();
    canvas.FillRect(face, GetColor());

    // The active button carries a dark outline around its face.
    if (focused && !pushed) {
        canvas.FrameRect(face, ecl::SystemColor(COLOR_WINDOWFRAME));
        face = {face.left + 1, face.top + 1, face.right - 1, face.bottom - 1};
    }
    RECT edge{face.left, face.top, face.right, face.bottom};
    if (pushed) {
        canvas.FrameRect(face, fw::clBlack);
        canvas.FrameRect({face.left + 1, face.top + 1, face.right - 1, face.bottom - 1}, fw::clGray);
    } else {
        ::DrawEdge(dc, &edge, BDR_RAISEDOUTER, BF_RECT | BF_SOFT | BF_ADJUST);
        ::DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_ADJUST);
    }

    fw::Rect content{face.left + 3, face.top + 3, face.right - 3, face.bottom - 3};
    if (pushed) content = {content.left + 1, content.top + 1, content.right + 1, content.bottom + 1};
    ecl::ButtonContent c;
    if (face_.UseCaption()) c.caption = Caption();
    c.multiLine = face_.MultiLine();
    c.font = Font();
    c.textColor = Font().color;
    c.brushColor = GetColor();
    c.state = state;
    ecl::DrawButtonContent(canvas, content, c, face_.Glyph(), face_.ButtonLayout(), face_.FontFX());

    if (focused) {
        const int inset = pushed ? 4 : 3;
        RECT focus{face.left + inset, face.top + inset, face.right - inset, face.bottom - inset};
        const COLORREF oldText = ::SetTextColor(dc, RGB(0, 0, 0));
        const COLORREF oldBack = ::SetBkColor(dc, RGB(255, 255, 255));
        ::DrawFocusRect(dc, &focus);
        ::SetBkColor(dc, oldBack);
        ::SetTextColor(dc, oldText);
    }
}
