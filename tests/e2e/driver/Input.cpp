#include "Input.h"

#include "Wait.h"

namespace e2e {

namespace {

constexpr LPARAM kAltBit = 1 << 29;
constexpr LPARAM kKeyUpBits = (1 << 30) | (static_cast<LPARAM>(1) << 31);

LPARAM KeyData(WORD virtualKey) { return 1 | static_cast<LPARAM>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC) << 16); }

bool PostClick(HWND window, POINT client) {
    const LPARAM where = MAKELPARAM(client.x, client.y);
    return PostMessageA(window, WM_MOUSEMOVE, 0, where) && PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, where) &&
           PostMessageA(window, WM_LBUTTONUP, 0, where);
}

INPUT MouseInput(DWORD flags, POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    // Absolute coordinates run from 0 to 65535 across the primary screen.
    input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

bool SendInputClick(HWND window, POINT client) {
    POINT screen = client;
    if (!ClientToScreen(window, &screen)) {
        return false;
    }
    INPUT inputs[] = {
        MouseInput(MOUSEEVENTF_MOVE, screen),
        MouseInput(MOUSEEVENTF_LEFTDOWN, screen),
        MouseInput(MOUSEEVENTF_LEFTUP, screen),
    };
    return SendInput(ARRAYSIZE(inputs), inputs, sizeof(INPUT)) == ARRAYSIZE(inputs);
}

GUITHREADINFO GuiThreadInfo(DWORD guiThread) {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(guiThread, &info)) {
        return GUITHREADINFO{};
    }
    return info;
}

}  // namespace

bool ClickAt(HWND window, POINT client, ClickMethod method) {
    return method == ClickMethod::Post ? PostClick(window, client) : SendInputClick(window, client);
}

bool ClickCenter(HWND window, ClickMethod method) {
    RECT rect{};
    if (!GetClientRect(window, &rect)) {
        return false;
    }
    return ClickAt(window, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2}, method);
}

bool MovePointer(POINT screen) {
    INPUT move = MouseInput(MOUSEEVENTF_MOVE, screen);
    return SendInput(1, &move, sizeof(INPUT)) == 1;
}

HWND FocusedWindow(DWORD guiThread) { return GuiThreadInfo(guiThread).hwndFocus; }

HWND ActiveWindow(DWORD guiThread) { return GuiThreadInfo(guiThread).hwndActive; }

bool PressKey(HWND target, WORD virtualKey) {
    const LPARAM data = KeyData(virtualKey);
    return PostMessageA(target, WM_KEYDOWN, virtualKey, data) &&
           PostMessageA(target, WM_KEYUP, virtualKey, data | kKeyUpBits);
}

bool PressAltKey(HWND target, WORD virtualKey) {
    const LPARAM data = KeyData(virtualKey) | kAltBit;
    return PostMessageA(target, WM_SYSKEYDOWN, virtualKey, data) &&
           PostMessageA(target, WM_SYSKEYUP, virtualKey, data | kKeyUpBits);
}

bool PressInputKey(WORD virtualKey, bool shift) {
    const auto key = [](WORD vk, DWORD flags) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vk;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(vk, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = flags;
        return input;
    };
    // Without the extended flag the keypad's keys would be meant.
    INPUT inputs[] = {key(VK_SHIFT, 0), key(virtualKey, KEYEVENTF_EXTENDEDKEY),
                      key(virtualKey, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP), key(VK_SHIFT, KEYEVENTF_KEYUP)};
    INPUT* first = shift ? inputs : inputs + 1;
    const UINT count = shift ? 4 : 2;
    return SendInput(count, first, sizeof(INPUT)) == count;
}

bool TypeText(HWND target, std::string_view text) {
    for (char c : text) {
        if (!PostMessageA(target, WM_CHAR, static_cast<unsigned char>(c), 1)) {
            return false;
        }
    }
    return true;
}

// A window shows before the system activates it and gives it the focus, so a program that has
// just shown its window may have neither yet: key presses wait (bounded) until it has.
bool PressKeyOnFocus(DWORD guiThread, WORD virtualKey) {
    HWND focus = WaitFor([&] { return FocusedWindow(guiThread); });
    return focus && PressKey(focus, virtualKey);
}

bool PressAltKeyOnFocus(DWORD guiThread, WORD virtualKey) {
    // With no focused window, Alt combinations go to the active window.
    HWND target = WaitFor([&] {
        const GUITHREADINFO info = GuiThreadInfo(guiThread);
        return info.hwndFocus ? info.hwndFocus : info.hwndActive;
    });
    return target && PressAltKey(target, virtualKey);
}

bool TypeTextOnFocus(DWORD guiThread, std::string_view text) {
    HWND focus = WaitFor([&] { return FocusedWindow(guiThread); });
    return focus && TypeText(focus, text);
}

}  // namespace e2e
