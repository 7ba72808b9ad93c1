#include "controls/SpeedButton_win.h"

#include "controls/ButtonContent_win.h"
#include "controls/ButtonFacePaint_win.h"
#include "controls/FxText_win.h"
#include "framework/Change.h"
#include "framework/Mnemonic.h"

using ecl::ButtonState;

namespace {
constexpr int kHotCheckMs = 100;
}

TEclSpeedButton::TEclSpeedButton(fw::Component* owner) : fw::Control(owner), face_([this] { Invalidate(); }) {
    SetBounds(0, 0, 23, 22);
    SetColorRole(fw::ColorRole::ButtonFace);
}
const fw::ClassInfo& TEclSpeedButton::StaticClass() {
    static const fw::ClassInfo info = [] {
        using C = TEclSpeedButton;
        fw::ClassInfo ci("TEclSpeedButton", &fw::Control::StaticClass(),
                         [](fw::Component* owner) { return std::make_unique<C>(owner); });
        fw::Publish<C>(ci)
            .Property<fw::Color>("EnterColor", &C::EnterColor, &C::SetEnterColor)
            .Property<bool>("EnterColorChange", &C::EnterColorChange, &C::SetEnterColorChange)
            .Property<int>("GroupIndex", &C::GroupIndex, &C::SetGroupIndex)
            .Property<bool>("AllowAllUp", &C::AllowAllUp, &C::SetAllowAllUp)
            .Property<bool>("Pressed", &C::Pressed, &C::SetPressed);
        ecl::PublishButtonFace<C>(ci);
        return ci;
    }();
    return info;
}

void TEclSpeedButton::SetGroupIndex(int index) {
    if (!fw::Change(groupIndex_, index)) return;
    if (groupIndex_ != 0 && pressedDown_)
        ChangeGroup(&ecl::SetDownInGroup, true);
    else
        Latch(pressedDown_);
}

void TEclSpeedButton::SetPressed(bool on) {
    if (on == pressedDown_) return;
    if (groupIndex_ == 0)
        Latch(on);
    else
        ChangeGroup(&ecl::SetDownInGroup, on);
}

void TEclSpeedButton::ChangeGroup(void (*change)(std::vector<bool>&, std::size_t, bool), bool arg) {
    std::vector<TEclSpeedButton*> members;
    if (Parent()) {
        for (fw::Control* c : Parent()->Controls())
            if (auto* b = dynamic_cast<TEclSpeedButton*>(c); b && (b == this || b->groupIndex_ == groupIndex_))
                members.push_back(b);
    } else {
        members.push_back(this);
    }
    std::vector<bool> down;
    std::size_t self = 0;
    for (std::size_t i = 0; i < members.size(); ++i) {
        down.push_back(members[i]->pressedDown_);
        if (members[i] == this) self = i;
    }
    change(down, self, arg);
    for (std::size_t i = 0; i < members.size(); ++i) members[i]->Latch(down[i]);
}

void TEclSpeedButton::Latch(bool on) {
    pressedDown_ = on;
    const ButtonState before = tracker_.State();
    tracker_.SetLatched(on && groupIndex_ != 0);
    StateChanged(before);
}

ecl::FaceKind TEclSpeedButton::FaceKind() const {
    return ecl::FaceFor(face_.ButtonStyle(), ecl::VisualStyleInForce(face_.CtlXP()));
}

void TEclSpeedButton::StateChanged(ButtonState before) {
    if (!tracker_.HotTimerWanted())
        hotTimer_.reset();
    else if (!hotTimer_)
        hotTimer_ = std::make_unique<TEclTimer>(kHotCheckMs, true, [this] { HotTick(); });
    const ButtonState now = tracker_.State();
    if (now == before) return;
    const auto looksUp = [](ButtonState s) { return s == ButtonState::Up || s == ButtonState::Hot; };
    const bool hotShows = enterColorChange_ || ecl::HotShows(FaceKind());
    if (!hotShows && looksUp(before) && looksUp(now)) return;
    Invalidate();
}

// The pointer is over the button when it is within its rectangle and no other window covers it.
bool TEclSpeedButton::PointerOver() const {
    if (!Parent() || !Parent()->HandleAllocated()) return false;
    HWND parent = Parent()->Handle();
    POINT p{};
    if (!::GetCursorPos(&p) || ::WindowFromPoint(p) != parent) return false;
    ::ScreenToClient(parent, &p);
    return BoundsRect().Contains(p.x, p.y);
}

void TEclSpeedButton::HotTick() {
    const ButtonState before = tracker_.State();
    tracker_.Tick(PointerOver());
    StateChanged(before);
}

void TEclSpeedButton::EnabledChanged() {
    repeat_.Stop();
    const ButtonState before = tracker_.State();
    tracker_.SetEnabled(Enabled());
    StateChanged(before);
    fw::Control::EnabledChanged();
}

void TEclSpeedButton::ThemeChanged() {
    theme_.Reset();
    fw::Control::ThemeChanged();
}

void TEclSpeedButton::MouseDown(int, int) {
    const ButtonState before = tracker_.State();
    tracker_.Press();
    StateChanged(before);
    if (face_.RepeatedClick() && tracker_.Tracking())
        repeat_.Start(
            face_.RepeatingDelay(), face_.RepeatingInterval(),
            [this] { return tracker_.State() == ButtonState::Pushed || tracker_.State() == ButtonState::Down; },
            [this] { Click(); });
}

void TEclSpeedButton::MouseMove(int x, int y) {
    const ButtonState before = tracker_.State();
    tracker_.Move(ClientRect().Contains(x, y));
    StateChanged(before);
}

void TEclSpeedButton::MouseUp(int x, int y) {
    const bool repeated = repeat_.Stop();
    const ButtonState before = tracker_.State();
    const bool click = tracker_.Release(ClientRect().Contains(x, y));
    StateChanged(before);
    if (!click || repeated) return;
    if (groupIndex_ != 0) ChangeGroup(&ecl::ClickInGroup, allowAllUp_);
    Click();
}

bool TEclSpeedButton::Accelerate(char letter) {
    if (!face_.UseCaption() || !fw::IsAccel(letter, Caption())) return false;
    return DoDefaultAction();
}

bool TEclSpeedButton::Describe(fw::AccessibleInfo& info) const {
    info.role = fw::AccessibleRole::PushButton;
    info.name = fw::StripAccelMarks(Caption());
    info.defaultAction = "Press";
    return true;
}

bool TEclSpeedButton::DoDefaultAction() {
    if (!Enabled()) return false;
    if (groupIndex_ != 0) ChangeGroup(&ecl::ClickInGroup, allowAllUp_);
    Click();
    return true;
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

void TEclSpeedButton::Paint(fw::Canvas& canvas) {
    const fw::Rect r = ClientRect();
    canvas.FillRect(r, BackColor());
    const ButtonState s =
        Enabled() ? tracker_.State() : (tracker_.Latched() ? ButtonState::DisabledDown : ButtonState::Disabled);
    const bool down =
        s == ButtonState::Pushed || s == ButtonState::Down || s == ButtonState::Menu || s == ButtonState::DisabledDown;
    ecl::FaceKind kind = FaceKind();
    if (kind == ecl::FaceKind::Themed) {
        HWND window = Parent() ? Parent()->Handle() : nullptr;
        if (!ecl::PaintThemedFace(theme_, window, canvas, r, ecl::ThemedStateFor(s, false)))
            kind = ecl::FaceKind::Win40;
    }
    if (kind == ecl::FaceKind::Integrated)
        ecl::PaintIntegratedFace(canvas, r, BackColor(), down);
    else if (kind == ecl::FaceKind::Win40)
        ecl::PaintSpeedWin40Face(canvas, r, down);

    ecl::ButtonContent c;
    if (face_.UseCaption()) c.caption = Caption();
    c.multiLine = face_.MultiLine();
    c.font = Font();
    const bool entered = s == ButtonState::Hot || s == ButtonState::Pushed || s == ButtonState::Down;
    c.textColor = TextColor(enterColorChange_ && entered ? enterColor_ : Font().color);
    c.brushColor = BackColor();
    c.state = s;
    c.accelHidden = AcceleratorsHidden();
    ecl::DrawButtonContent(canvas, ecl::SpeedContent(r, down), c, face_.Glyph(), face_.ButtonLayout(), face_.FontFX());
}
