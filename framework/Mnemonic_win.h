#pragma once
// The route of keyboard mnemonics from the message loop to the controls of the active form.
#include <windows.h>

namespace fw {

class WinControl;

// Offers the mnemonic to the visible controls inside `container`: its windowless controls in
// creation order, then each windowed one in tab order followed by the controls inside it; true as
// soon as one takes it.
bool OfferMnemonic(const WinControl& container, char letter);

// Alt+letter (WM_SYSCHAR), or a letter typed where the focused window takes no characters, goes to
// the form holding the message's window; true when a control took it.
bool HandleMnemonic(const MSG& msg);

// Keyboard use shows the keyboard cues of the form holding the message's window: Alt shows the
// accelerator underlines, Tab and the arrow keys show the focus rectangles as well.
void ShowKeyboardCues(const MSG& msg);

// Hides the accelerator underlines of a new top-level window unless the system shows them always.
void InitKeyboardCues(HWND topLevel);

}  // namespace fw
