#include "browse/BrowseEditLayout.h"

namespace ecl {

int BrowseEditAutoHeight(int qpHeight, TEclBevelMode mode, int bevelExtent) {
    const int text = qpHeight * 5 / 4;
    return mode == TEclBevelMode::bmWindows ? text + 5 : text + 2 * bevelExtent;
}

int BrowseEditMinWidth(int buttonCount, int buttonWidth) { return buttonCount * buttonWidth + 30; }

fw::Rect BrowseTextArea(const fw::Rect& client, int buttonCount, int buttonWidth) {
    fw::Rect area = client;
    area.right -= buttonCount * buttonWidth + 1;
    return area;
}

fw::Rect BrowseButtonRect(const fw::Rect& textArea, int index, int buttonWidth, bool topAtZero) {
    const int top = topAtZero ? 0 : textArea.top;
    return {textArea.right + 1 + index * buttonWidth, top, textArea.right + 1 + (index + 1) * buttonWidth,
            top + textArea.Height()};
}

int ScrollForCaret(int scroll, int caretX, int width) {
    if (width <= 0) return caretX;
    if (caretX < scroll) return caretX;
    if (caretX >= scroll + width) return caretX - width + 1;
    return scroll;
}

}  // namespace ecl

namespace ecl {

std::size_t CaretIndexAt(std::span<const int> edges, int x) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < edges.size(); ++i) {
        const int distance = edges[i] > x ? edges[i] - x : x - edges[i];
        const int bestDistance = edges[best] > x ? edges[best] - x : x - edges[best];
        if (distance < bestDistance) best = i;
    }
    return best;
}

}  // namespace ecl

namespace ecl {

int ScrollForText(int scroll, int caretX, int textWidth, int width) {
    const int shown = ScrollForCaret(scroll, caretX, width);
    const int most = textWidth - width + 1;
    return shown > most ? (most > 0 ? most : 0) : (shown < 0 ? 0 : shown);
}

}  // namespace ecl
