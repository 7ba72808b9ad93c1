// The start-up baseline: the least a Win32 program with one window does, built with the
// program's manifest. The benchmark compares the program's start, memory and idle cost with this.
#include <windows.h>

#include <initializer_list>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
#ifdef LOAD_PROGRAM_DLLS
    // The DLLs the release program imports; the controls' uxtheme is loaded when a theme is drawn.
    for (const char* dll : {"shell32.dll", "ole32.dll", "version.dll", "msimg32.dll", "uxtheme.dll"}) LoadLibraryA(dll);
#endif
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = "BenchBaseline";
    if (!RegisterClassA(&windowClass)) return 1;
    HWND window = CreateWindowExA(0, "BenchBaseline", "Baseline", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                                  520, 360, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
