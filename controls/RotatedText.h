#pragma once
// The box a line of text takes when it is turned about its top-left corner.

namespace ecl {

struct RotatedBox {
    int width = 0;
    int height = 0;
    // Where the text's top-left corner (the point it is drawn from) lies in the box, so that the
    // text's centre falls on the box's centre.
    int originX = 0;
    int originY = 0;
};

// A width x height line of text turned counter-clockwise by `degrees` (any value, taken modulo 360).
RotatedBox RotatedTextBox(int width, int height, int degrees);

}  // namespace ecl
