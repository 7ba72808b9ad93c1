#include "controls/ButtonState.h"
#include "framework/Change.h"

namespace ecl {

void SpeedButtonTracker::Become(ButtonState state) {
    if (state == ButtonState::Hot && state_ != ButtonState::Hot) before_ = state_;
    state_ = state;
}

void SpeedButtonTracker::SetEnabled(bool enabled) {
    enabled_ = enabled;
    tracking_ = false;
    before_ = ButtonState::Up;
    if (enabled)
        state_ = Resting();
    else
        state_ = latched_ ? ButtonState::DisabledDown : ButtonState::Disabled;
}

void SpeedButtonTracker::SetLatched(bool latched) {
    if (!fw::Change(latched_, latched)) return;
    if (!enabled_) {
        state_ = latched_ ? ButtonState::DisabledDown : ButtonState::Disabled;
    } else if (!tracking_) {
        state_ = Resting();
        before_ = ButtonState::Up;
    }
}

void SpeedButtonTracker::Enter() {
    if (state_ == ButtonState::Up && !tracking_) Become(ButtonState::Hot);
}

void SpeedButtonTracker::Tick(bool pointerOver) {
    if (enabled_ && !latched_ && state_ == ButtonState::Hot && !pointerOver) state_ = ButtonState::Up;
}

void SpeedButtonTracker::Leave() {
    if (state_ == ButtonState::Hot) state_ = before_;
}

void SpeedButtonTracker::Press() {
    if (!enabled_) return;
    tracking_ = true;
    Become(latched_ ? ButtonState::Down : ButtonState::Pushed);
}

void SpeedButtonTracker::Move(bool inside) {
    if (tracking_)
        Become(inside && !latched_ ? ButtonState::Pushed : Resting());
    else if (inside && state_ == ButtonState::Up)
        Become(ButtonState::Hot);
}

bool SpeedButtonTracker::Release(bool inside) {
    if (!tracking_) return false;
    tracking_ = false;
    if (inside) {
        before_ = ButtonState::Up;
        state_ = latched_ ? ButtonState::Down : ButtonState::Hot;
        return true;
    }
    Become(Resting());
    return false;
}

void ClickInGroup(std::vector<bool>& down, std::size_t clicked, bool allowAllUp) {
    if (clicked >= down.size()) return;
    if (down[clicked]) {
        if (allowAllUp) down[clicked] = false;
        return;
    }
    SetDownInGroup(down, clicked, true);
}

void SetDownInGroup(std::vector<bool>& down, std::size_t which, bool on) {
    if (which >= down.size()) return;
    if (on)
        for (std::size_t i = 0; i < down.size(); ++i) down[i] = i == which;
    else
        down[which] = false;
}

// The styles the visual style draws as a push button; the library draws the rest itself, and
// the styles it has no face of its own for look like ubsWin40.
FaceKind FaceFor(TEclUserButtonStyle style, bool visualStyle) {
    using S = TEclUserButtonStyle;
    const bool themable = style == S::ubsWin31 || style == S::ubsWin40 || style == S::ubsClassic ||
                          style == S::ubsIntegrated || style == S::ubsWin40Ext;
    if (visualStyle && themable) return FaceKind::Themed;
    return style == S::ubsIntegrated ? FaceKind::Integrated : FaceKind::Win40;
}

bool HotShows(FaceKind face) { return face == FaceKind::Themed; }

ThemedState ThemedStateFor(ButtonState state, bool focusedPushButton) {
    switch (state) {
        case ButtonState::Disabled:
        case ButtonState::DisabledDown: return ThemedState::Disabled;
        case ButtonState::Pushed:
        case ButtonState::Down: return ThemedState::Pressed;
        case ButtonState::Hot: return ThemedState::Hot;
        default: return focusedPushButton ? ThemedState::Defaulted : ThemedState::Normal;
    }
}

ButtonState PushButtonState(bool enabled, bool pressed, bool hot) {
    if (!enabled) return ButtonState::Disabled;
    if (pressed) return ButtonState::Pushed;
    return hot ? ButtonState::Hot : ButtonState::Up;
}

GlyphCell GlyphCellFor(ButtonState state, int numGlyphs) {
    int wanted = 0;
    switch (state) {
        case ButtonState::Disabled:
        case ButtonState::DisabledDown: return numGlyphs >= 2 ? GlyphCell{1, false} : GlyphCell{0, true};
        case ButtonState::Hot: wanted = 2; break;
        case ButtonState::Down: wanted = 3; break;
        case ButtonState::Pushed: wanted = 4; break;
        default: wanted = 0; break;
    }
    return {wanted < numGlyphs ? wanted : 0, false};
}

int NumGlyphsForSize(int width, int height, int current) {
    if (width <= 0 || height <= 0 || width % height != 0) return current;
    const int cells = width / height;
    return cells < 6 ? cells : 1;
}

}  // namespace ecl
