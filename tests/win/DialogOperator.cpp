#include "DialogOperator.h"

#include <vector>

namespace wintest {

std::string WindowText(HWND hwnd) {
    std::vector<char> text(static_cast<size_t>(::GetWindowTextLengthA(hwnd)) + 1, '\0');
    ::GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()));
    return text.data();
}

std::string ClassName(HWND hwnd) {
    char name[256] = {};
    ::GetClassNameA(hwnd, name, sizeof name);
    return name;
}

HWND FindThreadWindow(DWORD threadId, const std::function<bool(HWND)>& match) {
    struct Search {
        const std::function<bool(HWND)>& match;
        HWND found = nullptr;
    } search{match};
    ::EnumThreadWindows(
        threadId,
        [](HWND hwnd, LPARAM param) CALLBACK -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            if (!::IsWindowVisible(hwnd) || !s->match(hwnd)) return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace wintest
