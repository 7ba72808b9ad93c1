#pragma once
// The effects label: a windowless label that draws its caption with 3-D font effects inside an
// optional bevel, sizes itself to its text and can twinkle.
#include "controls/Bevel.h"
#include "controls/FxCaption.h"
#include <memory>

#include "controls/LabelFormat.h"
#include "controls/RotatedText.h"
#include "controls/Timer_win.h"
#include "framework/Change.h"
#include "framework/Control_win.h"

class TEclLabel : public fw::Control {
public:
    explicit TEclLabel(fw::Component* owner);
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    TEclAlignment Alignment() const { return alignment_; }
    void SetAlignment(TEclAlignment alignment) { fw::Change(alignment_, alignment, this, &TEclLabel::Changed); }
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on) { fw::Change(autoSize_, on, this, &TEclLabel::AdjustSize); }
    TEclBevel& Bevel() { return bevel_; }
    const TEclBevel& Bevel() const { return bevel_; }
    TEclFxCaption& FontFX() { return fontFX_; }
    const TEclFxCaption& FontFX() const { return fontFX_; }
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool on) { fw::Change(multiLine_, on, this, &TEclLabel::Changed); }
    TEclLabelOptions Options() const { return options_; }
    void SetOptions(TEclLabelOptions options) { fw::Change(options_, options, this, &TEclLabel::Changed); }
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool on) { fw::Change(showAccelChar_, on, this, &TEclLabel::Invalidate); }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool on) { fw::Change(transparent_, on, this, &TEclLabel::Invalidate); }
    // The control the label's accelerator gives the focus to; forgotten when it is destroyed.
    fw::WinControl* FocusControl() const { return focusControl_; }
    void SetFocusControl(fw::WinControl* control);

    // The twinkle shows and hides the text in turn; the phase lengths are in milliseconds (their
    // low 16 bits). A running twinkle takes a new length up at its next phase change, and keeps
    // running or standing still whatever later happens to Enabled.
    bool Twinkle() const { return twinkle_; }
    void SetTwinkle(bool on);
    int TwinkleVisible() const { return twinkleVisible_; }
    void SetTwinkleVisible(int ms) { twinkleVisible_ = ms; }
    int TwinkleInVisible() const { return twinkleInVisible_; }
    void SetTwinkleInVisible(int ms) { twinkleInVisible_ = ms; }
    fw::Color TwinkleColor() const { return twinkleColor_; }
    void SetTwinkleColor(fw::Color color) { twinkleColor_ = color; }
    // True in the twinkle's shown phase (always while the twinkle is off).
    bool TextShown() const { return shown_; }

    void Paint(fw::Canvas& canvas) override;
    void Loaded() override;
    bool Accelerate(char letter) override;
    bool Describe(fw::AccessibleInfo& info) const override;

protected:
    void ComponentDestroyed(fw::Component& gone) override;
    void TextChanged() override;
    void FontChanged() override;

private:
    // The text's measured box (turned by the angle) and where its drawing point lies in it.
    ecl::RotatedBox TextBox(int width) const;
    void AdjustSize();
    void Changed();
    void FontFXChanged();
    void TwinkleTick();

    TEclAlignment alignment_ = TEclAlignment::agTopLeft;
    bool autoSize_ = true;
    TEclBevel bevel_;
    TEclFxCaption fontFX_;
    bool multiLine_ = false;
    TEclLabelOptions options_;
    bool showAccelChar_ = true;
    bool transparent_ = true;
    fw::WinControl* focusControl_ = nullptr;
    bool twinkle_ = false;
    int twinkleVisible_ = 700;
    int twinkleInVisible_ = 700;
    fw::Color twinkleColor_ = fw::clNone;
    bool shown_ = true;
    bool painting_ = false;
    std::unique_ptr<TEclTimer> twinkleTimer_;  // only while Twinkle is on
};
