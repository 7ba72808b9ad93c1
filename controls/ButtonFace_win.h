#pragma once
// What the push and speed buttons share: the face style, the glyph, the caption's layout and
// effects and the repeat settings, published under the same names on both.
#include <functional>
#include <string>
#include <utility>

#include "controls/ButtonState.h"
#include "controls/FxCaption.h"
#include "controls/Glyph_win.h"
#include "controls/GlyphTextLayout.h"
#include "framework/Change.h"
#include "framework/PartPublisher.h"

namespace ecl {

class ButtonFace {
public:
    explicit ButtonFace(std::function<void()> repaint);
    ButtonFace(const ButtonFace&) = delete;
    ButtonFace& operator=(const ButtonFace&) = delete;

    TEclUserButtonStyle ButtonStyle() const { return style_; }
    void SetButtonStyle(TEclUserButtonStyle style) {
        if (fw::Change(style_, style)) repaint_();
    }
    bool UseCaption() const { return useCaption_; }
    void SetUseCaption(bool on) {
        if (fw::Change(useCaption_, on)) repaint_();
    }
    bool CtlXP() const { return ctlXP_; }
    void SetCtlXP(bool on) {
        if (fw::Change(ctlXP_, on)) repaint_();
    }
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool on) {
        if (fw::Change(multiLine_, on)) repaint_();
    }

    // The glyph names a bitmap resource of the program; the number of cells follows its size.
    TEclGlyph& Glyph() { return glyph_; }
    const TEclGlyph& Glyph() const { return glyph_; }
    std::string GlyphName() const { return glyph_.ResourceName(); }
    void SetGlyphName(const std::string& resourceName);
    int NumGlyphs() const { return glyph_.NumGlyphs(); }
    void SetNumGlyphs(int count);

    TEclFxCaption& FontFX() { return fontFX_; }
    const TEclFxCaption& FontFX() const { return fontFX_; }
    TEclButtonLayout& ButtonLayout() { return layout_; }
    const TEclButtonLayout& ButtonLayout() const { return layout_; }

    // Auto-repeat while held and the choice of timer; stored for the repeat clicks.
    bool RepeatedClick() const { return repeatedClick_; }
    void SetRepeatedClick(bool on) { repeatedClick_ = on; }
    int RepeatingDelay() const { return repeatingDelay_; }
    void SetRepeatingDelay(int ms) { repeatingDelay_ = ms; }
    int RepeatingInterval() const { return repeatingInterval_; }
    void SetRepeatingInterval(int ms) { repeatingInterval_ = ms; }
    bool UseGlobalTimer() const { return useGlobalTimer_; }
    void SetUseGlobalTimer(bool on) { useGlobalTimer_ = on; }

private:
    std::function<void()> repaint_;
    TEclUserButtonStyle style_ = TEclUserButtonStyle::ubsWin40;
    bool useCaption_ = true;
    bool ctlXP_ = true;
    bool multiLine_ = false;
    TEclGlyph glyph_;
    TEclFxCaption fontFX_;
    TEclButtonLayout layout_;
    bool repeatedClick_ = false;
    int repeatingDelay_ = 500;
    int repeatingInterval_ = 100;
    bool useGlobalTimer_ = false;
};

// Publishes the face's properties, and the pointer's entering and leaving, on a button class C
// with `ButtonFace& Face()`.
template <class C>
void PublishButtonFace(fw::ClassInfo& info) {
    auto face = [](auto& c) -> auto& { return c.Face(); };
    using F = ButtonFace;
    fw::PublishPart<C>(info, "", face)
        .template Property<TEclUserButtonStyle>("ButtonStyle", &F::ButtonStyle, &F::SetButtonStyle)
        .template Property<bool>("UseCaption", &F::UseCaption, &F::SetUseCaption)
        .template Property<bool>("CtlXP", &F::CtlXP, &F::SetCtlXP)
        .template Property<bool>("MultiLine", &F::MultiLine, &F::SetMultiLine)
        .template Property<int>("NumGlyphs", &F::NumGlyphs, &F::SetNumGlyphs)
        .template Property<bool>("RepeatedClick", &F::RepeatedClick, &F::SetRepeatedClick)
        .template Property<int>("RepeatingDelay", &F::RepeatingDelay, &F::SetRepeatingDelay)
        .template Property<int>("RepeatingInterval", &F::RepeatingInterval, &F::SetRepeatingInterval)
        .template Property<bool>("UseGlobalTimer", &F::UseGlobalTimer, &F::SetUseGlobalTimer);
    // A stored glyph names a bitmap resource: Glyph = EXITGLYPH.
    info.Add("Glyph",
             fw::PropertyInfo{
                 [](fw::Component& c, const fw::Value& v) {
                     static_cast<C&>(c).Face().SetGlyphName(
                         v.kind == fw::Value::Kind::String ? v.text : fw::ValueToIdentifier(v));
                 },
                 [](const fw::Component& c) {
                     return fw::Value{fw::Value::Kind::Identifier, 0, static_cast<const C&>(c).Face().GlyphName(), {}};
                 },
                 {}});
    PublishFxCaption(fw::PublishPart<C>(
        info, "FontFX", [](auto& c) -> auto& { return c.Face().FontFX(); }));
    PublishGlyphTextLayout(fw::PublishPart<C>(
        info, "ButtonLayout", [](auto& c) -> auto& { return c.Face().ButtonLayout(); }));
    fw::Publish<C>(info)
        .Event("OnMouseEnter", [](C& c, fw::NotifyEvent e) { c.SetOnMouseEnter(std::move(e)); })
        .Event("OnMouseExit", [](C& c, fw::NotifyEvent e) { c.SetOnMouseExit(std::move(e)); });
}

}  // namespace ecl
