#include "framework/PopupMenu_win.h"

#include <utility>

#include "framework/Handles_win.h"

namespace fw {

namespace {

PopupMenuRunner& Runner() {
    static PopupMenuRunner runner;
    return runner;
}

int TrackSystemMenu(const std::vector<MenuItem>& items, HWND owner, POINT screen) {
    UniqueMenu menu = NewPopupMenu();
    if (!menu) return 0;
    for (const MenuItem& item : items) {
        if (item.caption == "-") {
            ::AppendMenuA(menu.Get(), MF_SEPARATOR, 0, nullptr);
        } else {
            const UINT state = item.enabled ? MF_ENABLED : MF_GRAYED;
            ::AppendMenuA(menu.Get(), MF_STRING | state, static_cast<UINT_PTR>(item.id), item.caption.c_str());
        }
    }
    return static_cast<int>(::TrackPopupMenu(menu.Get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON, screen.x,
                                             screen.y, 0, owner, nullptr));
}

}  // namespace

int ShowPopupMenu(const std::vector<MenuItem>& items, HWND owner, POINT screen) {
    return Runner() ? Runner()(items, owner, screen) : TrackSystemMenu(items, owner, screen);
}

PopupMenuRunner SetPopupMenuRunner(PopupMenuRunner runner) { return std::exchange(Runner(), std::move(runner)); }

}  // namespace fw
