#include "TextMeasure.h"

namespace wintest {

SIZE TextExtent(HFONT font, const std::string& text, HWND window) {
    const fw::WindowDc dc(window);
    const fw::SelectScope selected(dc.Get(), font);
    SIZE size{};
    ::GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

int LineHeight(HFONT font) {
    const fw::WindowDc screen;
    const fw::SelectScope selected(screen.Get(), font);
    TEXTMETRICA metrics{};
    ::GetTextMetricsA(screen.Get(), &metrics);
    return metrics.tmHeight;
}

fw::UniqueFont MakeFont(const char* face, int height, int weight, int charset) {
    return fw::UniqueFont(
        ::CreateFontA(height, 0, 0, 0, weight, 0, 0, 0, static_cast<DWORD>(charset), 0, 0, 0, 0, face));
}

SIZE TextSize(const std::string& text, const char* face, int height, bool bold) {
    return TextExtent(MakeFont(face, height, bold ? FW_BOLD : FW_NORMAL, DEFAULT_CHARSET).Get(), text);
}

Measured MeasureLines(const char* face, int height, int weight, int charset, const std::vector<std::string>& lines) {
    const fw::UniqueFont font = MakeFont(face, height, weight, charset);
    Measured m;
    m.lineHeight = LineHeight(font.Get());
    for (const std::string& line : lines) m.widths.push_back(TextExtent(font.Get(), line).cx);
    return m;
}

}  // namespace wintest
