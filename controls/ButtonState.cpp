#include "controls/ButtonState.h"

#include <array>

std::span<const std::string_view> EnumNames(TEclUserButtonStyle) {
    static constexpr std::array<std::string_view, 14> names{
        "ubsWin31",         "ubsWin40",     "ubsClassic",      "ubsClassicFlat",     "ubsFlat",
        "ubsFlatUnColored", "ubsNavigator", "ubsExplorer",     "ubsExplorerColored", "ubsIntegrated",
        "ubsCombo",         "ubsOffice",    "ubsOfficeTransp", "ubsWin40Ext"};
    return names;
}

namespace ecl {

void SpeedButtonTracker::Become(ButtonState state) {
    if (state == ButtonState::Hot && state_ != ButtonState::Hot) before_ = state_;
    state_ = state;
}

void SpeedButtonTracker::SetEnabled(bool enabled) {
    tracking_ = false;
    before_ = ButtonState::Up;
    state_ = enabled ? ButtonState::Up : ButtonState::Disabled;
}

void SpeedButtonTracker::Enter() {
    if (state_ == ButtonState::Up && !tracking_) Become(ButtonState::Hot);
}

void SpeedButtonTracker::Leave() {
    if (state_ == ButtonState::Hot) state_ = before_;
}

void SpeedButtonTracker::Press() {
    if (state_ == ButtonState::Disabled || state_ == ButtonState::DisabledDown) return;
    tracking_ = true;
    Become(ButtonState::Pushed);
}

void SpeedButtonTracker::Move(bool inside) {
    if (tracking_)
        Become(inside ? ButtonState::Pushed : ButtonState::Up);
    else if (inside && state_ == ButtonState::Up)
        Become(ButtonState::Hot);
}

bool SpeedButtonTracker::Release(bool inside) {
    if (!tracking_) return false;
    tracking_ = false;
    if (inside) {
        before_ = ButtonState::Up;
        state_ = ButtonState::Hot;
        return true;
    }
    Become(ButtonState::Up);
    return false;
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
