#include "framework/TabOrder.h"

#include <algorithm>
#include <numeric>

namespace fw {

std::vector<int> TabSequence(const std::vector<int>& tabOrders) {
    std::vector<int> order(tabOrders.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return tabOrders[static_cast<size_t>(a)] < tabOrders[static_cast<size_t>(b)];
    });
    return order;
}

int NextTabStop(const std::vector<TabEntry>& controls, int current, bool backwards) {
    std::vector<int> tabOrders;
    tabOrders.reserve(controls.size());
    for (const TabEntry& c : controls) tabOrders.push_back(c.tabOrder);
    const std::vector<int> order = TabSequence(tabOrders);
    const int n = static_cast<int>(order.size());
    auto pos = std::find(order.begin(), order.end(), current);
    int start = pos == order.end() ? (backwards ? 0 : -1) : static_cast<int>(pos - order.begin());
    for (int step = 1; step <= n; ++step) {
        int i = backwards ? ((start - step) % n + n) % n : (start + step) % n;
        if (controls[static_cast<size_t>(order[static_cast<size_t>(i)])].canFocus) return order[static_cast<size_t>(i)];
    }
    return -1;
}

}  // namespace fw
