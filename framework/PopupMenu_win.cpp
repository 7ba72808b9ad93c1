#include "framework/PopupMenu_win.h"

#include "framework/Handles_win.h"

namespace fw {

namespace {

class SystemPopupMenuPlatform final : public PopupMenuPlatform {
public:
    int Track(const std::vector<MenuItem>& items, HWND owner, POINT screen) override;
};

int SystemPopupMenuPlatform::Track(const std::vector<MenuItem>& items, HWND owner, POINT screen) {
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

PopupMenuPlatform& PopupMenuPlatform::System() {
    static SystemPopupMenuPlatform system;
    return system;
}

int ShowPopupMenu(const std::vector<MenuItem>& items, HWND owner, POINT screen) {
    return Seam<PopupMenuPlatform>::Current().Track(items, owner, screen);
}

}  // namespace fw
