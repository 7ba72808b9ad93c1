#pragma once

#include <windows.h>

#include <string_view>

namespace e2e {

enum class ClickMethod {
    Post,       // mouse messages posted straight to the window: needs no foreground, no real cursor
    SendInput,  // real pointer movement and button presses through the system's input queue
};

// A left click at a point of the window's client area (the window's own client coordinates).
// Windowless controls are clicked through the window that paints them, at its coordinates.
bool ClickAt(HWND window, POINT client, ClickMethod method = ClickMethod::Post);
bool ClickCenter(HWND window, ClickMethod method = ClickMethod::Post);
// Moves the real pointer to a point of the screen, as a user's mouse would.
bool MovePointer(POINT screen);

// The keyboard focus and the active window of a program's user-interface thread.
HWND FocusedWindow(DWORD guiThread);
HWND ActiveWindow(DWORD guiThread);

// Key down and up posted to the window, as the focused window receives them.
bool PressKey(HWND target, WORD virtualKey);
// The key pressed while Alt is held (WM_SYSKEYDOWN/UP with the Alt bit), e.g. Alt+F4.
bool PressAltKey(HWND target, WORD virtualKey);
// An extended key (Home, End, the arrows), with Shift held or not, through the system's input
// queue as a keyboard makes it: it reaches the focused window of the foreground program, in order
// with other real input (clicks made with ClickMethod::SendInput).
bool PressInputKey(WORD virtualKey, bool shift = false);
// One WM_CHAR per character.
bool TypeText(HWND target, std::string_view text);

// The same, aimed at whatever window has the focus on that thread (for Alt keys the active
// window when none has it), waiting for one as long as a program start may take; false when
// there is none by then.
bool PressKeyOnFocus(DWORD guiThread, WORD virtualKey);
bool PressAltKeyOnFocus(DWORD guiThread, WORD virtualKey);
bool TypeTextOnFocus(DWORD guiThread, std::string_view text);

}  // namespace e2e
