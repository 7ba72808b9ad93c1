// Waits until a visible top-level window with the given caption shows, for tools/run's screenshot.
//   wait-window.exe CAPTION SECONDS [DESKTOP]
// With DESKTOP it looks on that desktop (a Wine virtual desktop started by `explorer /desktop=`).
// Windows of class "TApplication" (the program's hidden application window) do not count.
// When it shows, prints its rectangle on the screen as "WIDTHxHEIGHT+LEFT+TOP".
// Exit status: 0 when the window showed and answered a message, 1 on time-out, 2 on bad usage.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Search {
    const char* caption;
    HWND found;
};

BOOL CALLBACK Visit(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<Search*>(param);
    char text[256] = {};
    char cls[64] = {};
    GetWindowTextA(window, text, sizeof text);
    GetClassNameA(window, cls, sizeof cls);
    if (IsWindowVisible(window) && std::strcmp(text, search->caption) == 0 && std::strcmp(cls, "TApplication") != 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindShown(const char* caption) {
    Search search{caption, nullptr};
    EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Moves this thread to the named desktop, so that its windows count as visible here.
HDESK EnterDesktop(const char* name) {
    HDESK desktop = OpenDesktopA(name, 0, FALSE, GENERIC_ALL);
    if (desktop && !SetThreadDesktop(desktop)) {
        CloseDesktop(desktop);
        desktop = nullptr;
    }
    return desktop;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: wait-window CAPTION SECONDS [DESKTOP]\n");
        return 2;
    }
    const char* caption = argv[1];
    const DWORD limit = static_cast<DWORD>(std::atoi(argv[2])) * 1000;
    const char* desktopName = argc > 3 ? argv[3] : nullptr;
    HDESK desktop = desktopName ? EnterDesktop(desktopName) : nullptr;

    const DWORD start = GetTickCount();
    for (;;) {
        HWND window = desktopName && !desktop ? nullptr : FindShown(caption);
        if (window) {
            // The window's thread has passed its start-up once it answers; give it a moment to paint.
            DWORD_PTR result = 0;
            SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 5000, &result);
            Sleep(700);
            RECT rect{};
            GetWindowRect(window, &rect);
            std::printf("%ldx%ld+%ld+%ld\n", rect.right - rect.left, rect.bottom - rect.top, rect.left, rect.top);
            if (desktop) CloseDesktop(desktop);
            return 0;
        }
        if (GetTickCount() - start >= limit) break;
        if (desktopName && !desktop) desktop = EnterDesktop(desktopName);
        Sleep(100);
    }
    if (desktop) CloseDesktop(desktop);
    std::fprintf(stderr, "wait-window: no window \"%s\" within %s s\n", caption, argv[2]);
    return 1;
}
