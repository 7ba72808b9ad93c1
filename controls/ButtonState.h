#pragma once
// The face styles and states of the library's buttons, the speed button's mouse state machine and
// the choice of glyph cell for a state.
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

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
inline std::span<const std::string_view> EnumNames(TEclUserButtonStyle) {
    static constexpr std::array<std::string_view, 14> names{
        "ubsWin31",         "ubsWin40",     "ubsClassic",      "ubsClassicFlat",     "ubsFlat",
        "ubsFlatUnColored", "ubsNavigator", "ubsExplorer",     "ubsExplorerColored", "ubsIntegrated",
        "ubsCombo",         "ubsOffice",    "ubsOfficeTransp", "ubsWin40Ext"};
    return names;
}

namespace ecl {

enum class ButtonState { Up, Disabled, Hot, Down, Pushed, Menu, DisabledDown };

// A speed button follows the mouse: hot while the pointer is over it, pushed while the left button
// is held on it with the pointer over it, and it clicks when released over it after a press on it.
// A button latched down in its group shows down instead of up and pushed.
class SpeedButtonTracker {
public:
    ButtonState State() const { return state_; }
    bool Tracking() const { return tracking_; }
    bool Latched() const { return latched_; }

    void SetEnabled(bool enabled);
    void SetLatched(bool latched);
    void Enter();
    void Leave();
    void Press();
    void Move(bool inside);
    // True when the release clicks the button.
    bool Release(bool inside);

    // The hot-tracking check, run on a timer that exists only while this is true: a tick with the
    // pointer no longer over the button ends the hot state.
    bool HotTimerWanted() const { return state_ == ButtonState::Hot && !latched_; }
    void Tick(bool pointerOver);

private:
    void Become(ButtonState state);
    ButtonState Resting() const { return latched_ ? ButtonState::Down : ButtonState::Up; }

    ButtonState state_ = ButtonState::Up;
    ButtonState before_ = ButtonState::Up;
    bool tracking_ = false;
    bool latched_ = false;
    bool enabled_ = true;
};

// Latching among the speed buttons of one group (one entry per button, true when latched down):
// at most one is down. A click latches the clicked button and releases the others; a click on the
// latched one releases it only when all may be up.
void ClickInGroup(std::vector<bool>& down, std::size_t clicked, bool allowAllUp);
// Latching one from code releases the others; releasing one touches nobody else.
void SetDownInGroup(std::vector<bool>& down, std::size_t which, bool on);

// How a face is drawn: by the platform's visual style, or by the library as the classic raised
// face or as the flat face of a button inside an edit box.
enum class FaceKind { Themed, Win40, Integrated };
FaceKind FaceFor(TEclUserButtonStyle style, bool visualStyle);
// Whether the hot state looks different from up on this face.
bool HotShows(FaceKind face);
// The state the visual style draws for a button state (push button: focused shows as defaulted).
enum class ThemedState { Normal, Hot, Pressed, Disabled, Defaulted };
ThemedState ThemedStateFor(ButtonState state, bool focusedPushButton);

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
