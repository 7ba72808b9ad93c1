#pragma once

#include "Wait.h"

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// The window class of the system's standard dialogs and message boxes.
inline constexpr const char* kDialogClass = "#32770";

// What a message box shows.
struct DialogContents {
    std::string caption;
    std::vector<std::string> texts;    // visible static texts (the message), in z-order
    std::vector<std::string> buttons;  // visible button texts, left to right
    bool hasIcon = false;              // a visible icon static that holds an icon
};

// A top-level "#32770" window of the process (visible only).
HWND FindDialog(DWORD pid);
HWND WaitForDialog(DWORD pid, std::chrono::milliseconds timeout = kDefaultTimeout);

DialogContents ReadDialog(HWND dialog);
// The visible child "Button" windows, sorted left to right.
std::vector<HWND> DialogButtons(HWND dialog);

// Presses the button whose text is exactly this one (with its "&"), as a click on it would.
bool PressDialogButton(HWND dialog, const std::string& buttonText);
bool CloseDialog(HWND dialog);
// Esc to the dialog's focused control, where its keyboard handling turns it into Cancel.
bool PressEscape(HWND dialog);
bool PressEnter(HWND dialog);

}  // namespace e2e
