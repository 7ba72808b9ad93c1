#include "framework/TabOrder.h"

#include <algorithm>
#include <numeric>

namespace fw {

int NextTabStop(const std::vector<TabEntry>& controls, int current, bool backwards) {
    std::vector<int> order(controls.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return controls[static_cast<size_t>(a)].tabOrder < controls[static_cast<size_t>(b)].tabOrder;
    });
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
