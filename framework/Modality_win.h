#pragma once
// What makes a message box or dialog modal, for every box and dialog of the program alike: its owner,
// and the windows that take no input while it is up.
#include <windows.h>

#include <vector>

namespace fw {

// The owner of a box or dialog about to be shown: the thread's active window; when no window of the
// thread is active (the user has switched to another program meanwhile), the application's main form,
// else the application window; null without an application object.
HWND ModalOwner();

// Disables the thread's enabled, visible top-level windows other than `except`, whichever window is
// active, and enables them again on Release() or at the end of the scope. A dialog releases them before
// it hides, so that its owner gets the activation back.
class DisabledWindows {
public:
    explicit DisabledWindows(HWND except = nullptr);
    ~DisabledWindows() { Release(); }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;

    void Release() noexcept;

private:
    static BOOL CALLBACK Collect(HWND hwnd, LPARAM self) noexcept;

    HWND except_;
    std::vector<HWND> windows_;
    bool complete_ = true;  // false when the list could not hold every window
};

}  // namespace fw
