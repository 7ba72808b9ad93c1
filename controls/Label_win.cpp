#include "controls/Label_win.h"

#include "controls/Bevel_win.h"
#include "controls/FxText_win.h"
#include "controls/TextFormat.h"
#include "framework/Change.h"
#include "framework/Mnemonic.h"

namespace {

class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

// A twinkle phase length as the timer takes it.
int PhaseLength(int ms) { return ms & 0xFFFF; }

}  // namespace

TEclLabel::TEclLabel(fw::Component* owner) : fw::Control(owner) {
    SetBounds(0, 0, 30, 30);
    bevel_.SetOnChange([this] { Changed(); });
    fontFX_.SetOnChange([this] { FontFXChanged(); });
}

const fw::ClassInfo& TEclLabel::StaticClass() {
    static const fw::ClassInfo info = [] {
        using C = TEclLabel;
        fw::ClassInfo ci("TEclLabel", &fw::Control::StaticClass(),
                         [](fw::Component* owner) { return std::make_unique<C>(owner); });
        fw::Publish<C>(ci)
            .Property<TEclAlignment>("Alignment", &C::Alignment, &C::SetAlignment)
            .Property<bool>("AutoSize", &C::AutoSize, &C::SetAutoSize)
            .Property<bool>("MultiLine", &C::MultiLine, &C::SetMultiLine)
            .Property<TEclLabelOptions>("Options", &C::Options, &C::SetOptions)
            .Property<bool>("ShowAccelChar", &C::ShowAccelChar, &C::SetShowAccelChar)
            .Property<bool>("Transparent", &C::Transparent, &C::SetTransparent)
            .Property<bool>("Twinkle", &C::Twinkle, &C::SetTwinkle)
            .Property<int>("TwinkleVisible", &C::TwinkleVisible, &C::SetTwinkleVisible)
            .Property<int>("TwinkleInVisible", &C::TwinkleInVisible, &C::SetTwinkleInVisible)
            .Property<fw::Color>("TwinkleColor", &C::TwinkleColor, &C::SetTwinkleColor);
        ecl::PublishBevel(fw::PublishPart<C>(
            ci, "Bevel", [](auto& c) -> auto& { return c.Bevel(); }));
        ecl::PublishFxCaption(fw::PublishPart<C>(
            ci, "FontFX", [](auto& c) -> auto& { return c.FontFX(); }));
        return ci;
    }();
    return info;
}

void TEclLabel::SetFocusControl(fw::WinControl* control) {
    if (control == focusControl_) return;
    if (focusControl_) focusControl_->RemoveFreeNotification(*this);
    focusControl_ = control;
    if (focusControl_) focusControl_->AddFreeNotification(*this);
}

void TEclLabel::ComponentDestroyed(fw::Component& gone) {
    if (&gone == focusControl_) focusControl_ = nullptr;
}

// The caption's accelerator hands the focus on; the key counts as taken even when the focus
// control cannot take the focus now.
bool TEclLabel::Describe(fw::AccessibleInfo& info) const {
    return fw::DescribeStaticText(info, showAccelChar_ ? fw::StripAccelMarks(Caption()) : Caption());
}

bool TEclLabel::Accelerate(char letter) {
    if (!showAccelChar_ || !focusControl_ || !Enabled() || !fw::IsAccel(letter, Caption())) return false;
    if (focusControl_->CanFocus()) focusControl_->SetFocus();
    return true;
}

// Turning the twinkle on starts a timer for the shown phase, running only when the label is
// enabled at this moment; the phase itself is left as it is. Turning it off shows the text again.
void TEclLabel::SetTwinkle(bool on) {
    if (!fw::Change(twinkle_, on)) return;
    twinkleTimer_.reset();
    if (on) {
        twinkleTimer_ = std::make_unique<TEclTimer>(PhaseLength(twinkleVisible_), Enabled(), [this] { TwinkleTick(); });
    } else {
        shown_ = true;
        Invalidate();
    }
}

// Each tick switches the phase and times the new one; a length of 0 leaves it standing there.
void TEclLabel::TwinkleTick() {
    if (!twinkleTimer_) return;
    shown_ = !shown_;
    twinkleTimer_->SetInterval(PhaseLength(shown_ ? twinkleVisible_ : twinkleInVisible_));
    if (Visible()) Invalidate();
}

void TEclLabel::Loaded() {
    fw::Control::Loaded();
    AdjustSize();
}

void TEclLabel::TextChanged() { Changed(); }

// A font that cannot be turned takes the angle away.
void TEclLabel::FontChanged() {
    if (fontFX_.Angle() != 0 && !ecl::IsTrueTypeFont(Font())) {
        fontFX_.BeginUpdate();
        fontFX_.SetAngle(0);
        fontFX_.EndUpdate(false);
    }
    AdjustSize();
    fw::Control::FontChanged();
}

// An angle given to a font that cannot be turned brings in a TrueType face.
void TEclLabel::FontFXChanged() {
    if (fontFX_.Angle() != 0 && !ecl::IsTrueTypeFont(Font())) {
        fw::FontSpec font = Font();
        font.name = ecl::kTrueTypeFace;
        SetFont(font);
    }
    Changed();
}

void TEclLabel::Changed() {
    AdjustSize();
    Invalidate();
}

ecl::RotatedBox TEclLabel::TextBox(int width) const {
    const std::string text = ecl::LabelMeasuredText(Caption(), showAccelChar_);
    if (fontFX_.Angle() == 0) {
        const SIZE size = ecl::MeasureScreenText(
            text, Font(), ecl::LabelMeasureFormat(options_, multiLine_, showAccelChar_), width, fontFX_.Tracing());
        return {size.cx, size.cy, 0, 0};
    }
    const SIZE line =
        ecl::ScreenTextExtent(showAccelChar_ ? fw::StripAccelMarks(text) : text, Font(), fontFX_.Tracing());
    return ecl::RotatedTextBox(line.cx, line.cy, fontFX_.Angle());
}

// The box fits the text (turned, when it has an angle) and the text is placed in it: level text
// at the top-left, turned text with its centre on the box's centre.
void TEclLabel::AdjustSize() {
    if (!autoSize_ || IsLoading()) return;
    const ecl::RotatedBox box = TextBox(Width());
    fontFX_.BeginUpdate();  // placing the text must not measure again
    fontFX_.SetPosX(box.originX);
    fontFX_.SetPosY(box.originY);
    fontFX_.EndUpdate(false);
    const ecl::LabelSize size = ecl::LabelAutoSize(box.width, box.height, fontFX_.TextRoom(), bevel_.Extent());
    SetBounds(Left(), Top(), size.width, size.height);
}

void TEclLabel::Paint(fw::Canvas& canvas) {
    if (painting_ || IsLoading()) return;
    if (transparent_ && Caption().empty() && bevel_.Extent() == 0) return;
    FlagScope guard(painting_);

    const fw::Rect client = ClientRect();
    if (!transparent_) canvas.FillRect(client, BackColor());
    fw::Rect textRect = client;
    ecl::FxTextOptions options{Enabled(), false, false};
    if (bevel_.Extent() != 0) {
        textRect =
            ecl::DrawBevel(canvas, bevel_, client, bevel_.BorderColor() == GetColor() || transparent_, BackColor());
        options.clip = true;
    }

    ecl::LabelPaintSettings settings{alignment_, options_,        multiLine_,          showAccelChar_,
                                     autoSize_,  fontFX_.Angle(), AcceleratorsHidden()};
    const unsigned format = ecl::LabelPaintFormat(settings);
    // Several lines, and turned text, cannot be placed by the drawing call itself: place the
    // measured text (as a self-sizing label would measure it) in the rectangle first.
    const bool rotated = fontFX_.Angle() != 0;
    const bool verticallyPlaced = static_cast<int>(alignment_) >= static_cast<int>(TEclAlignment::agCenterLeft);
    const bool placed = rotated ? alignment_ != TEclAlignment::agTopLeft : multiLine_ && verticallyPlaced;
    TEcl3DCaption placedFx;
    const TEcl3DCaption* fx = &fontFX_;
    if (!autoSize_ && placed) {
        const ecl::RotatedBox box = TextBox(textRect.Width() - 1);
        const ecl::LabelSize size = ecl::LabelAutoSize(box.width, box.height, fontFX_.TextRoom(), 0);
        textRect = ecl::AlignBlock(textRect, size.width, size.height, alignment_);
        if (rotated) {
            placedFx.Assign(fontFX_);
            placedFx.SetPosX(box.originX);
            placedFx.SetPosY(box.originY);
            fx = &placedFx;
        }
    }

    if (shown_) {
        ecl::DrawFxText(canvas, *fx, Caption(), textRect, format, Font(), TextColor(), BackColor(), options);
    } else if (twinkleColor_ != fw::clNone) {
        ecl::DrawFxText(canvas, *fx, Caption(), textRect, format, Font(), TextColor(twinkleColor_), BackColor(),
                        options);
    }
}
