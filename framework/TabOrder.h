#pragma once
// Keyboard navigation among the windowed controls of a form.
#include <vector>

namespace fw {

struct TabEntry {
    int tabOrder = 0;
    bool canFocus = false;  // a tab stop that is visible and enabled
};

// The indices of the controls in ascending tab order, ties kept in creation order.
std::vector<int> TabSequence(const std::vector<int>& tabOrders);

// The index of the control that Tab (or Shift+Tab when backwards) moves to from `current`
// (-1 when nothing has the focus), in ascending tab order with ties kept in creation order and
// wrapping at the ends; -1 when no control can take the focus.
int NextTabStop(const std::vector<TabEntry>& controls, int current, bool backwards);

}  // namespace fw
