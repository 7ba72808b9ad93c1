#include "controls/Alignment.h"

#include <array>

#include "controls/TextFormat.h"

namespace ecl {

namespace {
// 0 = left/top, 1 = centre, 2 = right/bottom.
int Column(TEclAlignment a) { return static_cast<int>(a) % 3; }
int Row(TEclAlignment a) { return static_cast<int>(a) / 3; }

int Place(int start, int room, int size, int where) {
    if (where == 0) return start;
    if (where == 1) return start + (room - size) / 2;
    return start + room - size;
}
}  // namespace

fw::Rect AlignBlock(const fw::Rect& box, int width, int height, TEclAlignment alignment) {
    const int left = Place(box.left, box.Width(), width, Column(alignment));
    const int top = Place(box.top, box.Height(), height, Row(alignment));
    return fw::Rect::FromBounds(left, top, width, height);
}

unsigned AlignmentFlags(TEclAlignment alignment) {
    static constexpr std::array<unsigned, 3> horizontal{kDtLeft, kDtCenter, kDtRight};
    static constexpr std::array<unsigned, 3> vertical{0, kDtVCenter, kDtBottom};
    return horizontal[static_cast<size_t>(Column(alignment))] | vertical[static_cast<size_t>(Row(alignment))];
}

}  // namespace ecl
