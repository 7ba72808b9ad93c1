#pragma once
// The library's push button: a windowed button that takes the focus and draws its own face, with
// an optional glyph beside the caption. It clicks on a mouse release over it after a press on it,
// on Space (when released) and on Enter while it has the focus.
#include "controls/ButtonFace_win.h"
#include "controls/ButtonRepeat_win.h"
#include "controls/Theme_win.h"
#include "framework/Change.h"
#include "framework/Control_win.h"

class TEclButton : public fw::WinControl {
public:
    explicit TEclButton(fw::Component* owner);
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    ecl::ButtonFace& Face() { return face_; }
    const ecl::ButtonFace& Face() const { return face_; }

    bool Default() const { return default_; }
    void SetDefault(bool on) { default_ = on; }
    bool Cancel() const { return cancel_; }
    void SetCancel(bool on) { cancel_ = on; }
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int result) { modalResult_ = result; }

    void SetOnMouseEnter(fw::NotifyEvent handler) { onMouseEnter_ = std::move(handler); }
    void SetOnMouseExit(fw::NotifyEvent handler) { onMouseExit_ = std::move(handler); }

    // The look of this moment: disabled, pushed (mouse or Space held), hot or up.
    ecl::ButtonState State() const;
    // What BM_GETSTATE reports: focused, pushed while held, hot under the pointer.
    LRESULT ButtonStateBits() const;
    void Paint(fw::Canvas& canvas) override;
    // A caption accelerator clicks the button when it could take the focus.
    bool Accelerate(char letter) override;
    void ThemeChanged() override;
    bool Describe(fw::AccessibleInfo& info) const override;
    bool DoDefaultAction() override;

protected:
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
    void EnabledChanged() override;

private:
    void SetPressed(bool pressed) { fw::Change(pressed_, pressed, this, &TEclButton::Invalidate); }
    void EndPress();
    void OnMouseMove(int x, int y);
    void SetHot(bool hot);

    ecl::ButtonFace face_;
    ecl::ThemeData theme_{L"BUTTON"};
    ecl::RepeatClicks repeat_;
    fw::NotifyEvent onMouseEnter_;
    fw::NotifyEvent onMouseExit_;
    bool default_ = false;
    bool cancel_ = false;
    int modalResult_ = 0;
    bool pressed_ = false;
    bool mouseDown_ = false;
    bool spaceDown_ = false;
    bool hot_ = false;
};
