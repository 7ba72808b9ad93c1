#include "controls/RotatedText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace ecl {

RotatedBox RotatedTextBox(int width, int height, int degrees) {
    const double angle = (((degrees % 360) + 360) % 360) * std::numbers::pi / 180.0;
    // Screen y grows downwards: the baseline runs along (cos, -sin), the glyphs' downward side
    // along (sin, cos).
    const double c = std::cos(angle), s = std::sin(angle);
    const std::array<double, 4> xs{0.0, width * c, height * s, width * c + height * s};
    const std::array<double, 4> ys{0.0, -width * s, height * c, -width * s + height * c};
    const auto [minX, maxX] = std::ranges::minmax_element(xs);
    const auto [minY, maxY] = std::ranges::minmax_element(ys);
    RotatedBox box;
    box.width = static_cast<int>(std::lround(*maxX - *minX));
    box.height = static_cast<int>(std::lround(*maxY - *minY));
    box.originX = static_cast<int>(std::lround(-*minX));
    box.originY = static_cast<int>(std::lround(-*minY));
    return box;
}

}  // namespace ecl
