#pragma once
// The library's speed button: a windowless button that never takes the focus, draws its own face
// with an optional glyph beside the caption, and clicks on a release over it after a press on it.
#include <memory>
#include <vector>

#include "controls/ButtonFace_win.h"
#include "controls/ButtonRepeat_win.h"
#include "controls/Theme_win.h"
#include "controls/Timer_win.h"
#include "framework/Change.h"
#include "framework/Control_win.h"

class TEclSpeedButton : public fw::Control {
public:
    explicit TEclSpeedButton(fw::Component* owner);
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    ecl::ButtonFace& Face() { return face_; }
    const ecl::ButtonFace& Face() const { return face_; }

    fw::Color EnterColor() const { return enterColor_; }
    void SetEnterColor(fw::Color color) { fw::Change(enterColor_, color, this, &TEclSpeedButton::Invalidate); }
    bool EnterColorChange() const { return enterColorChange_; }
    void SetEnterColorChange(bool on) { fw::Change(enterColorChange_, on, this, &TEclSpeedButton::Invalidate); }
    // Buttons of one parent with the same non-zero GroupIndex latch down in turn: at most one of
    // them is Pressed. Without a group Pressed is kept but shows nothing.
    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int index);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool on) { allowAllUp_ = on; }
    bool Pressed() const { return pressedDown_; }
    void SetPressed(bool on);

    void SetOnMouseEnter(fw::NotifyEvent handler) { onMouseEnter_ = std::move(handler); }
    void SetOnMouseExit(fw::NotifyEvent handler) { onMouseExit_ = std::move(handler); }

    ecl::ButtonState State() const { return tracker_.State(); }
    void Paint(fw::Canvas& canvas) override;

    void MouseDown(int x, int y) override;
    void MouseMove(int x, int y) override;
    void MouseUp(int x, int y) override;
    void MouseEnter() override;
    // A caption accelerator clicks the button as a mouse click would.
    bool Accelerate(char letter) override;
    void MouseLeave() override;
    void ThemeChanged() override;
    bool Describe(fw::AccessibleInfo& info) const override;
    bool DoDefaultAction() override;

    // The hot-tracking timer runs only while the button is hot.
    bool HotTimerRunning() const { return hotTimer_ != nullptr; }

protected:
    void EnabledChanged() override;

private:
    // Repaints when the state change shows (up and hot look alike on the classic faces) and keeps
    // the hot-tracking timer to the hot state.
    void StateChanged(ecl::ButtonState before);
    void HotTick();
    bool PointerOver() const;
    ecl::FaceKind FaceKind() const;
    // Applies a change to the latched states of this button's group (itself included).
    void ChangeGroup(void (*change)(std::vector<bool>&, std::size_t, bool), bool arg);
    void Latch(bool on);

    ecl::ButtonFace face_;
    ecl::SpeedButtonTracker tracker_;
    ecl::ThemeData theme_{L"BUTTON"};
    std::unique_ptr<TEclTimer> hotTimer_;
    ecl::RepeatClicks repeat_;
    fw::Color enterColor_ = fw::clCaptionText;
    bool enterColorChange_ = false;
    int groupIndex_ = 0;
    bool allowAllUp_ = false;
    bool pressedDown_ = false;
    fw::NotifyEvent onMouseEnter_;
    fw::NotifyEvent onMouseExit_;
};
