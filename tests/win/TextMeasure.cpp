#include "TextMeasure.h"

namespace wintest {

SIZE TextExtent(HFONT font, const std::string& text, HWND window) {
    HDC dc = ::GetDC(window);
    SIZE size{};
    {
        fw::SelectScope selected(dc, font);
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    }
    ::ReleaseDC(window, dc);
    return size;
}

int LineHeight(HFONT font) {
    HDC dc = ::GetDC(nullptr);
    TEXTMETRICA metrics{};
    {
        fw::SelectScope selected(dc, font);
        ::GetTextMetricsA(dc, &metrics);
    }
    ::ReleaseDC(nullptr, dc);
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
