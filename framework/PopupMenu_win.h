#pragma once
// A shortcut menu built on the spot from a list of items, shown at a point of the screen until
// the user picks an item or dismisses it. The program shows every such menu through one runner,
// which a test can replace to play the user.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace fw {

struct MenuItem {
    std::string caption;  // "-" for a separator
    int id = 0;           // what choosing the item returns; never 0
    bool enabled = true;
};

// Returns the chosen item's id, or 0 when the menu was dismissed.
using PopupMenuRunner = std::function<int(const std::vector<MenuItem>& items, HWND owner, POINT screen)>;

int ShowPopupMenu(const std::vector<MenuItem>& items, HWND owner, POINT screen);
// Replaces the runner for the whole program (nullptr restores the system's menu); returns the old one.
PopupMenuRunner SetPopupMenuRunner(PopupMenuRunner runner);

}  // namespace fw
