#pragma once
// The library's simple label: windowless and transparent, it sizes itself to its text at its
// current width whenever the text or font changes, draws the text with 3-D effects, and can act
// as a link.
#include <array>
#include <span>
#include <string_view>

#include "controls/FxCaption.h"
#include "framework/Change.h"
#include "framework/Control_win.h"

enum class TEclJumpModes { jmInternet, jmApplication, jmNone, jmCustom };
inline std::span<const std::string_view> EnumNames(TEclJumpModes) {
    static constexpr std::array<std::string_view, 4> names{"jmInternet", "jmApplication", "jmNone", "jmCustom"};
    return names;
}

class TEclSimpleLabel : public fw::Control {
public:
    explicit TEclSimpleLabel(fw::Component* owner);
    static const fw::ClassInfo& StaticClass();
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool on) { fw::Change(autoSize_, on, this, &TEclSimpleLabel::AdjustSize); }
    bool MultiLine() const { return multiLine_; }
    void SetMultiLine(bool on);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool on) { fw::Change(showAccelChar_, on, this, &TEclSimpleLabel::Invalidate); }
    TEcl3DCaption& Font3D() { return font3D_; }
    const TEcl3DCaption& Font3D() const { return font3D_; }

    // Link settings: a jump mode other than jmNone shows the text in InActiveColor, underlined
    // when JumpUnderline is on, with the hand pointer over it; pressing the mouse button on it
    // turns the text to ActiveColor for good.
    TEclJumpModes JumpMode() const { return jumpMode_; }
    void SetJumpMode(TEclJumpModes mode);
    const std::string& Jump() const { return jump_; }
    void SetJump(std::string jump) { jump_ = std::move(jump); }
    bool JumpUnderline() const { return jumpUnderline_; }
    void SetJumpUnderline(bool on) { jumpUnderline_ = on; }
    fw::Color ActiveColor() const { return activeColor_; }
    void SetActiveColor(fw::Color color) { activeColor_ = color; }
    fw::Color InActiveColor() const { return inActiveColor_; }
    void SetInActiveColor(fw::Color color) { inActiveColor_ = color; }

    // Marks a link as visited: its text turns to ActiveColor for good.
    void Visit();
    // A link that the keyboard has reached shows a focus rectangle around its text.
    bool ShowFocus() const { return showFocus_; }
    void SetShowFocus(bool on) { fw::Change(showFocus_, on, this, &TEclSimpleLabel::Invalidate); }

    // Measures the text at the current width and takes its size.
    void AdjustSize();
    void Paint(fw::Canvas& canvas) override;
    void MouseDown(int x, int y) override;
    void Loaded() override;
    // A link reads as a link whose default action opens it, as a click does; else as static text.
    bool Describe(fw::AccessibleInfo& info) const override;
    bool DoDefaultAction() override;

protected:
    void TextChanged() override;
    void FontChanged() override;

private:
    unsigned Format() const;

    bool autoSize_ = true;
    bool multiLine_ = false;
    bool showAccelChar_ = true;
    TEcl3DCaption font3D_;
    TEclJumpModes jumpMode_ = TEclJumpModes::jmNone;
    std::string jump_;
    bool jumpUnderline_ = true;
    fw::Color activeColor_{0x800080};
    fw::Color inActiveColor_{0xFF0000};
    bool showFocus_ = false;
};
