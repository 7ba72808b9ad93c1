#pragma once

#include "Wait.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace e2e {

// What a searched window must match; an empty optional matches anything.
struct WindowFilter {
    std::optional<std::string> className{};
    std::optional<std::string> text{};
    bool visibleOnly = false;
};

std::string ClassName(HWND window);
// The window's text through WM_GETTEXT, so controls that keep their own text answer too.
std::string Text(HWND window);
bool Matches(HWND window, const WindowFilter& filter);

// Top-level windows of one process, in z-order.
std::vector<HWND> TopLevelWindows(DWORD pid);
HWND FindTopLevel(DWORD pid, const WindowFilter& filter);
HWND WaitForTopLevel(DWORD pid, const WindowFilter& filter, std::chrono::milliseconds timeout = kDefaultTimeout);

// All descendants of a window (children, their children, ...), in z-order.
std::vector<HWND> ChildWindows(HWND parent);
HWND FindChild(HWND parent, const WindowFilter& filter);
HWND WaitForChild(HWND parent, const WindowFilter& filter, std::chrono::milliseconds timeout = kDefaultTimeout);

bool WaitForGone(HWND window, std::chrono::milliseconds timeout = kDefaultTimeout);

LONG_PTR Style(HWND window);
LONG_PTR ExStyle(HWND window);
RECT WindowRect(HWND window);
// The client area in screen coordinates.
RECT ClientRectOnScreen(HWND window);
SIZE ClientSize(HWND window);
DWORD ThreadOf(HWND window);
DWORD ProcessOf(HWND window);

// A window's description for failure messages: class, text and handle.
std::string Describe(HWND window);

}  // namespace e2e
