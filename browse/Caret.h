#pragma once
// The browse edit's caret settings.
#include <span>
#include <string_view>

#include "framework/EclObject.h"

enum class TEclCaretStyles { csDefault, csBlock, csUnder, csOver, csBitmap, csUnderBlock };
std::span<const std::string_view> EnumNames(TEclCaretStyles);

class TEclCaret : public TEclObject {
public:
    // The blink rate starts as the system's caret blink time.
    explicit TEclCaret(int systemBlinkRate) : systemBlinkRate_(systemBlinkRate), blinkRate_(systemBlinkRate) {}

    int BlinkRate() const { return blinkRate_; }
    void SetBlinkRate(int ms) { Update(blinkRate_, ms); }
    TEclCaretStyles Style() const { return style_; }
    void SetStyle(TEclCaretStyles style) { Update(style_, style); }
    // The blink time the system had when this caret was made; restored when the caret goes.
    int SystemBlinkRate() const { return systemBlinkRate_; }

private:
    int systemBlinkRate_;
    int blinkRate_;
    TEclCaretStyles style_ = TEclCaretStyles::csDefault;
};
