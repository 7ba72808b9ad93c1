#include "WindowQuery.h"

#include <cstdio>

namespace e2e {

namespace {

// Cross-process sends give up on a hung window instead of hanging the test.
constexpr UINT kSendTimeoutMs = 5000;

struct TopLevelSearch {
    DWORD pid;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<TopLevelSearch*>(param);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == search->pid) {
        search->found.push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK CollectChild(HWND window, LPARAM param) {
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    return TRUE;
}

HWND FirstMatch(const std::vector<HWND>& windows, const WindowFilter& filter) {
    for (HWND window : windows) {
        if (Matches(window, filter)) {
            return window;
        }
    }
    return nullptr;
}

}  // namespace

std::string ClassName(HWND window) {
    char name[256] = {};
    const int length = GetClassNameA(window, name, sizeof(name));
    return std::string(name, length > 0 ? length : 0);
}

std::string Text(HWND window) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &length)) {
        return {};
    }
    std::string text(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                             kSendTimeoutMs, &copied)) {
        return {};
    }
    text.resize(copied < text.size() ? copied : text.size() - 1);
    return text;
}

bool Matches(HWND window, const WindowFilter& filter) {
    if (filter.visibleOnly && !IsWindowVisible(window)) {
        return false;
    }
    if (filter.className && ClassName(window) != *filter.className) {
        return false;
    }
    return !filter.text || Text(window) == *filter.text;
}

std::vector<HWND> TopLevelWindows(DWORD pid) {
    TopLevelSearch search{pid, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevel(DWORD pid, const WindowFilter& filter) { return FirstMatch(TopLevelWindows(pid), filter); }

HWND WaitForTopLevel(DWORD pid, const WindowFilter& filter, std::chrono::milliseconds timeout) {
    return WaitFor([&] { return FindTopLevel(pid, filter); }, timeout);
}

std::vector<HWND> ChildWindows(HWND parent) {
    std::vector<HWND> children;
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&children));
    return children;
}

HWND FindChild(HWND parent, const WindowFilter& filter) { return FirstMatch(ChildWindows(parent), filter); }

HWND WaitForChild(HWND parent, const WindowFilter& filter, std::chrono::milliseconds timeout) {
    return WaitFor([&] { return FindChild(parent, filter); }, timeout);
}

bool WaitForGone(HWND window, std::chrono::milliseconds timeout) {
    return WaitUntil([&] { return !IsWindow(window); }, timeout);
}

LONG_PTR Style(HWND window) { return GetWindowLongPtrA(window, GWL_STYLE); }

LONG_PTR ExStyle(HWND window) { return GetWindowLongPtrA(window, GWL_EXSTYLE); }

RECT WindowRect(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT ClientRectOnScreen(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE ClientSize(HWND window) {
    RECT rect{};
    GetClientRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

DWORD ThreadOf(HWND window) { return GetWindowThreadProcessId(window, nullptr); }

DWORD ProcessOf(HWND window) {
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    return pid;
}

std::string Describe(HWND window) {
    if (!window) {
        return "(no window)";
    }
    char handle[32];
    std::snprintf(handle, sizeof(handle), "%p", static_cast<void*>(window));
    return ClassName(window) + " \"" + Text(window) + "\" (" + handle + ")";
}

}  // namespace e2e
