#pragma once
// A shortcut menu built on the spot from a list of items, shown at a point of the screen until
// the user picks an item or dismisses it. A test can put its own platform in place to play the user.
#include <windows.h>

#include <string>
#include <vector>

#include "framework/Seam.h"

namespace fw {

struct MenuItem {
    std::string caption;  // "-" for a separator
    int id = 0;           // what choosing the item returns; never 0
    bool enabled = true;
};

class PopupMenuPlatform {
public:
    static PopupMenuPlatform& System();

    virtual ~PopupMenuPlatform() = default;
    // Returns the chosen item's id, or 0 when the menu was dismissed.
    virtual int Track(const std::vector<MenuItem>& items, HWND owner, POINT screen) = 0;
};

// The menu through the platform in place.
int ShowPopupMenu(const std::vector<MenuItem>& items, HWND owner, POINT screen);

}  // namespace fw
