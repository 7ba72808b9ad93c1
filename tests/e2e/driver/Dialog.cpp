#include "Dialog.h"

#include "Input.h"
#include "WindowQuery.h"

#include <algorithm>

namespace e2e {

namespace {

constexpr UINT kSendTimeoutMs = 5000;

bool IsIconStatic(HWND window) { return (Style(window) & SS_TYPEMASK) == SS_ICON; }

bool HoldsIcon(HWND iconStatic) {
    DWORD_PTR icon = 0;
    return SendMessageTimeoutA(iconStatic, STM_GETICON, 0, 0, SMTO_ABORTIFHUNG, kSendTimeoutMs, &icon) && icon != 0;
}

bool PressKeyInDialog(HWND dialog, WORD virtualKey) {
    HWND focus = FocusedWindow(ThreadOf(dialog));
    return PressKey(focus && (focus == dialog || IsChild(dialog, focus)) ? focus : dialog, virtualKey);
}

}  // namespace

HWND FindDialog(DWORD pid) { return FindTopLevel(pid, {.className = kDialogClass, .visibleOnly = true}); }

HWND WaitForDialog(DWORD pid, std::chrono::milliseconds timeout) {
    return WaitForTopLevel(pid, {.className = kDialogClass, .visibleOnly = true}, timeout);
}

std::vector<HWND> DialogButtons(HWND dialog) {
    std::vector<HWND> buttons;
    for (HWND child : ChildWindows(dialog)) {
        if (IsWindowVisible(child) && ClassName(child) == "Button") {
            buttons.push_back(child);
        }
    }
    std::stable_sort(buttons.begin(), buttons.end(),
                     [](HWND a, HWND b) { return WindowRect(a).left < WindowRect(b).left; });
    return buttons;
}

DialogContents ReadDialog(HWND dialog) {
    DialogContents contents;
    contents.caption = Text(dialog);
    for (HWND child : ChildWindows(dialog)) {
        if (!IsWindowVisible(child) || ClassName(child) != "Static") {
            continue;
        }
        if (IsIconStatic(child)) {
            contents.hasIcon = contents.hasIcon || HoldsIcon(child);
        } else {
            contents.texts.push_back(Text(child));
        }
    }
    for (HWND button : DialogButtons(dialog)) {
        contents.buttons.push_back(Text(button));
    }
    return contents;
}

bool PressDialogButton(HWND dialog, const std::string& buttonText) {
    for (HWND button : DialogButtons(dialog)) {
        if (Text(button) == buttonText) {
            return PostMessageA(button, BM_CLICK, 0, 0);
        }
    }
    return false;
}

bool CloseDialog(HWND dialog) { return PostMessageA(dialog, WM_CLOSE, 0, 0); }

bool PressEscape(HWND dialog) { return PressKeyInDialog(dialog, VK_ESCAPE); }

bool PressEnter(HWND dialog) { return PressKeyInDialog(dialog, VK_RETURN); }

}  // namespace e2e
