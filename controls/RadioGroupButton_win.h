#pragma once
// One item of a radio group: a small window of its own whose text is the item's string, created,
// placed and owned by its group. It paints itself over the group's background, with the group's
// glyph, focus and visual-style settings, and reports a user's selection to the group.
#include "controls/GlyphTextLayout.h"
#include "controls/Theme_win.h"
#include "framework/Control_win.h"

class TEclRadioGroup;

class TEclRadioGroupButton : public fw::WinControl {
public:
    TEclRadioGroupButton(TEclRadioGroup& group, int index);
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    int Index() const { return index_; }
    bool Checked() const { return checked_; }
    // Checking unchecks the group's other items; unless the check comes from a mouse press that is
    // giving this item the focus, the group then hears of it (and takes it as the user's choice).
    void SetChecked(bool on);
    bool Pressed() const { return pressed_; }
    // What BM_GETSTATE reports: checked, focused, and pushed while the mouse or BM_SETSTATE holds it.
    LRESULT ButtonState() const;
    // Where glyph and text go: the group's BtnAlignment, copied in.
    TEclGlyphTextLayout& Layout() { return layout_; }
    // Takes the focus as an arrow key or an accelerator gives it: the item is then chosen, unless
    // the group is read-only.
    void FocusAndChoose();
    void SetOnDblClick(fw::NotifyEvent handler) { onDblClick_ = std::move(handler); }

    void Paint(fw::Canvas& canvas) override;
    void ThemeChanged() override;
    bool Describe(fw::AccessibleInfo& info) const override;
    // Clicks the item as the user's click does.
    bool DoDefaultAction() override;

protected:
    void GetCreateParams(CreateParams& params) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void Press();
    void Release(bool over);
    // The standard button's messages, so that automation tools can read and set the choice.
    LRESULT ButtonMessage(UINT msg, WPARAM wParam);
    void PaintMark(fw::Canvas& canvas, const fw::Rect& glyph, bool themed);
    void PaintFocus(fw::Canvas& canvas, const fw::Rect& focus);
    SIZE GlyphExtent(fw::Canvas& canvas, bool themed);

    TEclRadioGroup& group_;
    int index_;
    bool checked_ = false;
    bool pressed_ = false;
    bool highlighted_ = false;  // BM_SETSTATE's pushed look, apart from a real press
    bool mouseFocusing_ = false;
    TEclGlyphTextLayout layout_;
    fw::NotifyEvent onDblClick_;
    ecl::ThemeData theme_{L"BUTTON"};
};
