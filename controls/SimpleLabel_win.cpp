#include "controls/SimpleLabel_win.h"

#include <algorithm>

#include "controls/FxText_win.h"
#include "controls/LabelFormat.h"
#include "framework/Change.h"
#include "framework/Mnemonic.h"
#include "framework/PartPublisher.h"
#include "controls/TextFormat.h"

TEclSimpleLabel::TEclSimpleLabel(fw::Component* owner) : fw::Control(owner) {
    SetBounds(0, 0, 30, 30);
    font3D_.SetOnChange([this] {
        AdjustSize();
        Invalidate();
    });
}

const fw::ClassInfo& TEclSimpleLabel::StaticClass() {
    static const fw::ClassInfo info = [] {
        using C = TEclSimpleLabel;
        fw::ClassInfo ci("TEclSimpleLabel", &fw::Control::StaticClass(),
                         [](fw::Component* owner) { return std::make_unique<C>(owner); });
        fw::Publish<C>(ci)
            .Property<bool>("AutoSize", &C::AutoSize, &C::SetAutoSize)
            .Property<bool>("MultiLine", &C::MultiLine, &C::SetMultiLine)
            .Property<bool>("ShowAccelChar", &C::ShowAccelChar, &C::SetShowAccelChar)
            .Property<TEclJumpModes>("JumpMode", &C::JumpMode, &C::SetJumpMode)
            .Property<std::string>("Jump", &C::Jump, &C::SetJump)
            .Property<bool>("JumpUnderline", &C::JumpUnderline, &C::SetJumpUnderline)
            .Property<fw::Color>("ActiveColor", &C::ActiveColor, &C::SetActiveColor)
            .Property<fw::Color>("InActiveColor", &C::InActiveColor, &C::SetInActiveColor);
        ecl::PublishFxCaption(fw::PublishPart<C>(
            ci, "Font3D", [](auto& c) -> auto& { return c.Font3D(); }));
        return ci;
    }();
    return info;
}

void TEclSimpleLabel::SetMultiLine(bool on) {
    if (!fw::Change(multiLine_, on)) return;
    AdjustSize();
    Invalidate();
}

void TEclSimpleLabel::SetJumpMode(TEclJumpModes mode) {
    if (!fw::Change(jumpMode_, mode)) return;
    if (mode == TEclJumpModes::jmNone) {
        SetCursor(fw::MouseCursor::crDefault);
        return;
    }
    SetCursor(fw::MouseCursor::crHandPoint);
    fw::FontSpec font = Font();
    font.color = inActiveColor_;
    if (jumpUnderline_) font.style.Include(fw::FontStyle::fsUnderline);
    SetFont(font);
}

void TEclSimpleLabel::MouseDown(int, int) { Visit(); }

bool TEclSimpleLabel::Describe(fw::AccessibleInfo& info) const {
    namespace st = fw::accessible_state;
    std::string name = showAccelChar_ ? fw::StripAccelMarks(Caption()) : Caption();
    if (jumpMode_ == TEclJumpModes::jmNone) return fw::DescribeStaticText(info, std::move(name));
    info.name = std::move(name);
    info.role = fw::AccessibleRole::Link;
    info.state = st::kLinked | st::kFocusable | (showFocus_ ? st::kFocused : 0);
    info.defaultAction = "Jump";
    return true;
}

bool TEclSimpleLabel::DoDefaultAction() {
    if (!Enabled() || jumpMode_ == TEclJumpModes::jmNone) return false;
    Visit();
    Click();
    return true;
}

void TEclSimpleLabel::Visit() {
    // Only the colour changes: the label keeps its bounds, so that a mouse release still falls on
    // it wherever it was pressed.
    if (jumpMode_ == TEclJumpModes::jmNone || !Enabled() || Font().color == activeColor_) return;
    if (ParentFont()) SetParentFont(false);
    OwnFont().color = activeColor_;
    Invalidate();
}

void TEclSimpleLabel::Loaded() {
    fw::Control::Loaded();
    AdjustSize();
}

void TEclSimpleLabel::TextChanged() {
    AdjustSize();
    Invalidate();
}

void TEclSimpleLabel::FontChanged() {
    AdjustSize();
    fw::Control::FontChanged();
}

unsigned TEclSimpleLabel::Format() const { return ecl::LabelMeasureFormat({}, multiLine_, showAccelChar_); }

void TEclSimpleLabel::AdjustSize() {
    if (!autoSize_ || IsLoading()) return;
    const SIZE size =
        ecl::MeasureScreenText(ecl::LabelMeasuredText(Caption(), showAccelChar_), Font(), Format(), Width());
    SetBounds(Left(), Top(), size.cx + font3D_.TextRoom(), size.cy + font3D_.TextRoom());
}

void TEclSimpleLabel::Paint(fw::Canvas& canvas) {
    ecl::DrawFxText(canvas, font3D_, Caption(), ClientRect(), Format(), Font(), TextColor(), BackColor(),
                    {Enabled(), false, false});
    if (!showFocus_) return;
    const SIZE text = canvas.MeasureText(ecl::LabelMeasuredText(Caption(), showAccelChar_), Font(), Format(), Width());
    const RECT around{0, 0, std::min<int>(text.cx + font3D_.TextRoom(), Width()), Height()};
    ::DrawFocusRect(canvas.Dc(), &around);
}
