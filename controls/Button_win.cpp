#include "controls/Button_win.h"

#include <windowsx.h>

#include "controls/ButtonContent_win.h"
#include "controls/ButtonFacePaint_win.h"
#include "framework/Change.h"
#include "framework/Mnemonic.h"

TEclButton::TEclButton(fw::Component* owner) : fw::WinControl(owner), face_([this] { Invalidate(); }) {
    SetBounds(0, 0, 75, 25);
    SetTabStop(true);
    SetColorRole(fw::ColorRole::ButtonFace);
}

const fw::ClassInfo& TEclButton::StaticClass() {
    static const fw::ClassInfo info = [] {
        using C = TEclButton;
        fw::ClassInfo ci("TEclButton", &fw::WinControl::StaticClass(),
                         [](fw::Component* owner) { return std::make_unique<C>(owner); });
        fw::Publish<C>(ci)
            .Property<bool>("Default", &C::Default, &C::SetDefault)
            .Property<bool>("Cancel", &C::Cancel, &C::SetCancel)
            .Property<int>("ModalResult", &C::ModalResult, &C::SetModalResult);
        ecl::PublishButtonFace<C>(ci);
        return ci;
    }();
    return info;
}

ecl::ButtonState TEclButton::State() const { return ecl::PushButtonState(Enabled(), pressed_, hot_); }

namespace {
constexpr LRESULT kStateHot = 0x0200;  // BST_HOT, missing from MinGW's headers
}  // namespace

LRESULT TEclButton::ButtonStateBits() const {
    LRESULT state = 0;
    if (Focused()) state |= BST_FOCUS;
    if (pressed_) state |= BST_PUSHED;
    if (hot_) state |= kStateHot;
    return state;
}

// Forgets a press in progress without clicking.
void TEclButton::EndPress() {
    const bool hadMouse = mouseDown_;
    repeat_.Stop();
    mouseDown_ = false;
    spaceDown_ = false;
    SetPressed(false);
    if (hadMouse && ::GetCapture() == Handle()) ::ReleaseCapture();
}

void TEclButton::EnabledChanged() {
    if (!Enabled()) EndPress();
    fw::WinControl::EnabledChanged();
}

void TEclButton::SetHot(bool hot) {
    if (!fw::Change(hot_, hot)) return;
    Invalidate();
    const fw::NotifyEvent& notify = hot ? onMouseEnter_ : onMouseExit_;
    if (notify && Enabled()) notify(*this);
}

void TEclButton::OnMouseMove(int x, int y) {
    if (mouseDown_) SetPressed(ClientRect().Contains(x, y));
    if (!hot_) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, Handle(), 0};
        ::TrackMouseEvent(&tme);
        SetHot(true);
    }
}

void TEclButton::ThemeChanged() {
    theme_.Reset();
    fw::WinControl::ThemeChanged();
}

LRESULT TEclButton::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case BM_GETSTATE: return ButtonStateBits();
        case BM_CLICK:
            // The mouse's press and release over the button, which a disabled button ignores.
            ::SendMessageA(Handle(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
            ::SendMessageA(Handle(), WM_LBUTTONUP, 0, 0);
            return 0;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            // Posted input reaches a disabled window too; a disabled button ignores it.
            if (!Enabled()) return 0;
            if (CanFocus() && !Focused()) SetFocus();
            mouseDown_ = true;
            ::SetCapture(Handle());
            SetPressed(true);
            if (face_.RepeatedClick())
                repeat_.Start(
                    face_.RepeatingDelay(), face_.RepeatingInterval(), [this] { return pressed_; },
                    [this] { Click(); });
            return 0;
        case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); return 0;
        case WM_MOUSELEAVE: SetHot(false); return 0;
        case WM_LBUTTONUP: {
            if (!mouseDown_) return 0;
            const bool repeated = repeat_.Stop();
            const bool click = pressed_ && ClientRect().Contains(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            EndPress();
            if (click && !repeated && Enabled()) Click();
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

bool TEclButton::Describe(fw::AccessibleInfo& info) const {
    info.role = fw::AccessibleRole::PushButton;
    info.name = fw::StripAccelMarks(Caption());
    info.defaultAction = "Press";
    if (default_) info.state |= fw::accessible_state::kDefault;
    return true;
}

bool TEclButton::DoDefaultAction() {
    if (!CanFocus()) return false;
    Click();
    return true;
}

bool TEclButton::Accelerate(char letter) {
    if (!face_.UseCaption() || !CanFocus() || !fw::IsAccel(letter, Caption())) return false;
    Click();
    return true;
}

void TEclButton::Paint(fw::Canvas& canvas) {
    const ecl::ButtonState state = State();
    const bool pushed = state == ecl::ButtonState::Pushed;
    const bool focused = Focused();
    const fw::Rect r = ClientRect();
    canvas.FillRect(r, BackColor());

    // The content and the focus rectangle of each face; the styles without a face of their own
    // are drawn as ubsWin40.
    ecl::FaceKind kind = ecl::FaceFor(face_.ButtonStyle(), ecl::VisualStyleInForce(face_.CtlXP()));
    fw::Rect content{r.left + 2, r.top + 2, r.right - 2, r.bottom - 2};
    fw::Rect focus = content;
    if (kind == ecl::FaceKind::Themed &&
        !ecl::PaintThemedFace(theme_, Handle(), canvas, r, ecl::ThemedStateFor(state, focused)))
        kind = ecl::FaceKind::Win40;
    if (kind == ecl::FaceKind::Integrated) {
        ecl::PaintIntegratedFace(canvas, r, BackColor(), pushed);
        content = ecl::SpeedContent(r, pushed);
        focus = content;
    } else if (kind == ecl::FaceKind::Win40) {
        const fw::Rect face = ecl::PaintPushWin40Face(canvas, r, pushed, focused);
        const int shift = pushed ? 1 : 0;
        content = {face.left + 3 + shift, face.top + 3 + shift, face.right - 3 + shift, face.bottom - 3 + shift};
        const int inset = pushed ? 4 : 3;
        focus = {face.left + inset, face.top + inset, face.right - inset, face.bottom - inset};
    }

    ecl::ButtonContent c;
    if (face_.UseCaption()) c.caption = Caption();
    c.multiLine = face_.MultiLine();
    c.font = Font();
    c.textColor = TextColor();
    c.brushColor = BackColor();
    c.state = state;
    c.accelHidden = AcceleratorsHidden();
    ecl::DrawButtonContent(canvas, content, c, face_.Glyph(), face_.ButtonLayout(), face_.FontFX());
    if (focused) ecl::DrawBlackFocusRect(canvas.Dc(), focus);
}
