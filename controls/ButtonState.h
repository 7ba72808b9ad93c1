#pragma once
// The face styles and states of the library's buttons, the speed button's mouse state machine and
// the choice of glyph cell for a state.
#include <span>
#include <string_view>

enum class TEclUserButtonStyle {
    ubsWin31,
    ubsWin40,
    ubsClassic,
    ubsClassicFlat,
    ubsFlat,
    ubsFlatUnColored,
    ubsNavigator,
    ubsExplorer,
    ubsExplorerColored,
    ubsIntegrated,
    ubsCombo,
    ubsOffice,
    ubsOfficeTransp,
    ubsWin40Ext,
};
std::span<const std::string_view> EnumNames(TEclUserButtonStyle);

namespace ecl {

enum class ButtonState { Up, Disabled, Hot, Down, Pushed, Menu, DisabledDown };

// A speed button follows the mouse: hot while the pointer is over it, pushed while the left button
// is held on it with the pointer over it, and it clicks when released over it after a press on it.
class SpeedButtonTracker {
public:
    ButtonState State() const { return state_; }
    bool Tracking() const { return tracking_; }

    void SetEnabled(bool enabled);
    void Enter();
    void Leave();
    void Press();
    void Move(bool inside);
    // True when the release clicks the button.
    bool Release(bool inside);

private:
    void Become(ButtonState state);

    ButtonState state_ = ButtonState::Up;
    ButtonState before_ = ButtonState::Up;
    bool tracking_ = false;
};

// A push button's look: disabled, else pushed while pressed, else hot while the pointer is over it.
ButtonState PushButtonState(bool enabled, bool pressed, bool hot);

// The glyph cell of a state (0 up, 1 disabled, 2 hot, 3 down, 4 pushed) when the glyph has that
// many cells; a disabled state of a one-cell glyph shows cell 0 greyed; otherwise cell 0.
struct GlyphCell {
    int index = 0;
    bool greyed = false;
};
GlyphCell GlyphCellFor(ButtonState state, int numGlyphs);

// The number of cells a glyph of this size gets: width / height when the width is a multiple of
// the height below 6, 1 from 6 on, else the current number.
int NumGlyphsForSize(int width, int height, int current);

}  // namespace ecl
