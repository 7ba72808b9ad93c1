#pragma once
// The browse edit's caret settings.
#include <array>
#include <span>
#include <string_view>

#include "framework/Change.h"
#include "framework/EclObject.h"

enum class TEclCaretStyles { csDefault, csBlock, csUnder, csOver, csBitmap, csUnderBlock };
inline std::span<const std::string_view> EnumNames(TEclCaretStyles) {
    static constexpr std::array<std::string_view, 6> names{"csDefault", "csBlock",  "csUnder",
                                                           "csOver",    "csBitmap", "csUnderBlock"};
    return names;
}

class TEclCaret : public TEclObject {
public:
    // The blink rate starts as the system's caret blink time.
    explicit TEclCaret(int systemBlinkRate) : systemBlinkRate_(systemBlinkRate), blinkRate_(systemBlinkRate) {}

    int BlinkRate() const { return blinkRate_; }
    void SetBlinkRate(int ms) { fw::Change(blinkRate_, ms, this, &TEclCaret::Changed); }
    TEclCaretStyles Style() const { return style_; }
    void SetStyle(TEclCaretStyles style) { fw::Change(style_, style, this, &TEclCaret::Changed); }
    // The blink time the system had when this caret was made; restored when the caret goes.
    int SystemBlinkRate() const { return systemBlinkRate_; }

private:
    int systemBlinkRate_;
    int blinkRate_;
    TEclCaretStyles style_ = TEclCaretStyles::csDefault;
};
