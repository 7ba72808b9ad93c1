#include "framework/AccessibleLayout.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace fw {

std::vector<int> ReadingOrder(std::span<const Rect> rects) {
    std::vector<int> order(rects.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [rects](int a, int b) {
        const Rect& ra = rects[static_cast<size_t>(a)];
        const Rect& rb = rects[static_cast<size_t>(b)];
        return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
    });
    return order;
}

int LabelAbove(const Rect& field, std::span<const Rect> labels) {
    int best = -1;
    int bestGap = std::numeric_limits<int>::max();
    for (size_t i = 0; i < labels.size(); ++i) {
        const Rect& l = labels[i];
        const int gap = field.top - l.bottom;
        const bool overlaps = l.left < field.right && field.left < l.right;
        if (gap < 0 || gap > field.Height() || !overlaps || gap >= bestGap) continue;
        best = static_cast<int>(i);
        bestGap = gap;
    }
    return best;
}

namespace {

// How far `to` lies beyond `from` in a direction (its near edge past from's far edge), and how
// far off the line it is sideways; nothing when it is not wholly on that side.
bool Beyond(const Rect& from, const Rect& to, NavDirection direction, long long& distance) {
    auto centre = [](int a, int b) { return (a + b) / 2; };
    long long ahead = 0;
    switch (direction) {
        case NavDirection::Up: ahead = from.top - to.bottom; break;
        case NavDirection::Down: ahead = to.top - from.bottom; break;
        case NavDirection::Left: ahead = from.left - to.right; break;
        case NavDirection::Right: ahead = to.left - from.right; break;
        default: return false;
    }
    const bool vertical = direction == NavDirection::Up || direction == NavDirection::Down;
    const long long aside = vertical ? centre(to.left, to.right) - centre(from.left, from.right)
                                     : centre(to.top, to.bottom) - centre(from.top, from.bottom);
    if (ahead < 0) return false;
    distance = ahead * ahead + aside * aside;
    return true;
}

}  // namespace

int Navigate(std::span<const Rect> rects, int from, NavDirection direction) {
    const int count = static_cast<int>(rects.size());
    if (count == 0) return -1;
    if (direction == NavDirection::First) return 0;
    if (direction == NavDirection::Last) return count - 1;
    if (from < 0 || from >= count) return -1;
    if (direction == NavDirection::Next) return from + 1 < count ? from + 1 : -1;
    if (direction == NavDirection::Previous) return from - 1;
    int best = -1;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (int i = 0; i < count; ++i) {
        long long distance = 0;
        if (i == from || !Beyond(rects[static_cast<size_t>(from)], rects[static_cast<size_t>(i)], direction, distance))
            continue;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace fw
