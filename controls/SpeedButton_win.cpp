#include "controls/SpeedButton_win.h"

#include "controls/ButtonContent_win.h"
#include "controls/FxText_win.h"

using ecl::ButtonState;

TEclSpeedButton::TEclSpeedButton(fw::Component* owner) : fw::Control(owner), face_([this] { Invalidate(); }) {
    SetBounds(0, 0, 23, 22);
}

const fw::ClassInfo& TEclSpeedButton::StaticClass() {
    static const fw::ClassInfo info = [] {
        using C = TEclSpeedButton;
        fw::ClassInfo ci("TEclSpeedButton", &fw::Control::StaticClass(),
                         [](fw::Component* owner) { return std::make_unique<C>(owner); });
        ecl::Publish<C>(ci)
            .Property<fw::Color>("EnterColor", &C::EnterColor, &C::SetEnterColor)
            .Property<bool>("EnterColorChange", &C::EnterColorChange, &C::SetEnterColorChange)
            .Property<int>("GroupIndex", &C::GroupIndex, &C::SetGroupIndex)
            .Property<bool>("AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp)
            .Property<bool>("Pressed", &C::Pressed, &C::SetPressed);
        fw::ClassBuilder<C>(ci)
            .Event("OnMouseEnter", [](C& c, fw::NotifyEvent e) { c.SetOnMouseEnter(std::move(e)); })
            .Event("OnMouseExit", [](C& c, fw::NotifyEvent e) { c.SetOnMouseExit(std::move(e)); });
        ecl::PublishButtonFace<C>(ci);
        return ci;
    }();
    return info;
}

void TEclSpeedButton::SetEnterColor(fw::Color color) {
    if (color == enterColor_) return;
    enterColor_ = color;
    Invalidate();
}

void TEclSpeedButton::SetEnterColorChange(bool on) {
    if (on == enterColorChange_) return;
    enterColorChange_ = on;
    Invalidate();
}

void TEclSpeedButton::StateChanged(ButtonState before) {
    const ButtonState now = tracker_.State();
    if (now == before) return;
    const auto looksUp = [](ButtonState s) { return s == ButtonState::Up || s == ButtonState::Hot; };
    const bool hotShows = enterColorChange_ || face_.ButtonStyle() != TEclUserButtonStyle::ubsWin40;
    if (!hotShows && looksUp(before) && looksUp(now)) return;
    Invalidate();
}

void TEclSpeedButton::EnabledChanged() {
    tracker_.SetEnabled(Enabled());
    fw::Control::EnabledChanged();
}

void TEclSpeedButton::MouseDown(int, int) {
    const ButtonState before = tracker_.State();
    tracker_.Press();
    StateChanged(before);
}

void TEclSpeedButton::MouseMove(int x, int y) {
    const ButtonState before = tracker_.State();
    tracker_.Move(ClientRect().Contains(x, y));
    StateChanged(before);
}

void TEclSpeedButton::MouseUp(int x, int y) {
    const ButtonState before = tracker_.State();
    const bool click = tracker_.Release(ClientRect().Contains(x, y));
    StateChanged(before);
    if (click) Click();
}

void TEclSpeedButton::MouseEnter() {
    const ButtonState before = tracker_.State();
    tracker_.Enter();
    StateChanged(before);
    if (onMouseEnter_ && Enabled()) onMouseEnter_(*this);
}

void TEclSpeedButton::MouseLeave() {
    const ButtonState before = tracker_.State();
    tracker_.Leave();
    StateChanged(before);
    if (onMouseExit_ && Enabled()) onMouseExit_(*this);
}

// Raised: a soft raised outer edge and a raised inner edge on the right and bottom; pushed or
// latched down: a sunken edge.
void TEclSpeedButton::PaintWin40(fw::Canvas& canvas, fw::Rect& content) {
    const ButtonState s = tracker_.State();
    const bool down = s == ButtonState::Pushed || s == ButtonState::Down || s == ButtonState::Menu;
    RECT r{0, 0, Width(), Height()};
    if (down) {
        ::DrawEdge(canvas.Dc(), &r, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    } else {
        ::DrawEdge(canvas.Dc(), &r, BDR_RAISEDOUTER, BF_RECT | BF_SOFT | BF_ADJUST);
        ::DrawEdge(canvas.Dc(), &r, BDR_RAISEDINNER, BF_BOTTOMRIGHT | BF_ADJUST);
    }
    content = {2, 2, Width() - 2, Height() - 2};
    if (down) content = {3, 3, Width() - 1, Height() - 1};
}

// The flat frame of a button inside an edit box: two raised rings when up, one grey ring while
// the mouse button is held on it.
void TEclSpeedButton::PaintIntegrated(fw::Canvas& canvas, fw::Rect& content) {
    const fw::Rect r = ClientRect();
    const fw::Color grey = fw::Color::Rgb(128, 128, 128);
    const bool down = tracker_.State() == ButtonState::Pushed;
    if (down) {
        canvas.FrameRect(r, grey);
    } else {
        canvas.Frame3D(r, GetColor(), fw::clBlack);
        canvas.Frame3D({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, fw::clWhite, grey);
    }
    content = {2, 2, Width() - 2, Height() - 2};
    if (down) content = {3, 3, Width() - 1, Height() - 1};
}

void TEclSpeedButton::Paint(fw::Canvas& canvas) {
    canvas.FillRect(ClientRect(), GetColor());
    fw::Rect content;
    if (face_.ButtonStyle() == TEclUserButtonStyle::ubsIntegrated)
        PaintIntegrated(canvas, content);
    else
        PaintWin40(canvas, content);

    const ButtonState s = tracker_.State();
    ecl::ButtonContent c;
    if (face_.UseCaption()) c.caption = Caption();
    c.multiLine = face_.MultiLine();
    c.font = Font();
    const bool entered = s == ButtonState::Hot || s == ButtonState::Pushed || s == ButtonState::Down;
    c.textColor = enterColorChange_ && entered ? enterColor_ : Font().color;
    c.brushColor = GetColor();
    c.state = Enabled() ? s : ButtonState::Disabled;
    ecl::DrawButtonContent(canvas, content, c, face_.Glyph(), face_.ButtonLayout(), face_.FontFX());
}
