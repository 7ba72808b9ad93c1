#include "framework/Canvas_win.h"

#include <map>
#include <tuple>

#include "framework/Handles_win.h"

namespace fw {

COLORREF ToColorRef(Color c) {
    if (c.IsSystem()) return ::GetSysColor(c.SystemIndex());
    return static_cast<COLORREF>(c.value) & 0x00FFFFFFu;
}

HFONT FontHandle(const FontSpec& font) {
    using Key = std::tuple<std::string, int, int, int, std::uint32_t>;
    static std::map<Key, UniqueFont> cache;
    Key key{font.name, font.height, font.charset, font.escapement, font.style.Bits()};
    auto it = cache.find(key);
    if (it == cache.end()) {
        LOGFONTA lf{};
        lf.lfHeight = font.height;
        lf.lfEscapement = font.escapement;
        lf.lfOrientation = font.escapement;
        lf.lfWeight = font.style.Has(FontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
        lf.lfItalic = font.style.Has(FontStyle::fsItalic);
        lf.lfUnderline = font.style.Has(FontStyle::fsUnderline);
        lf.lfStrikeOut = font.style.Has(FontStyle::fsStrikeOut);
        lf.lfCharSet = static_cast<BYTE>(font.charset);
        lf.lfQuality = DEFAULT_QUALITY;
        lstrcpynA(lf.lfFaceName, font.name.c_str(), LF_FACESIZE);
        it = cache.emplace(key, NewFont(lf)).first;
    }
    return it->second.Get();
}

void Canvas::FillRect(const Rect& r, Color c) {
    if (c == clNone) return;
    UniqueBrush brush = NewSolidBrush(ToColorRef(c));
    RECT rc{r.left, r.top, r.right, r.bottom};
    ::FillRect(dc_, &rc, brush.Get());
}

void Canvas::FrameRect(const Rect& r, Color c) { Frame3D(r, c, c); }

void Canvas::Frame3D(const Rect& r, Color topLeft, Color bottomRight) {
    FillRect({r.left, r.top, r.right - 1, r.top + 1}, topLeft);
    FillRect({r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
    FillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
    FillRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void Canvas::DrawText(const std::string& text, Rect r, UINT format, const FontSpec& font) {
    DrawText(text, r, format, font, font.color);
}

void Canvas::DrawText(const std::string& text, Rect r, UINT format, const FontSpec& font, Color color) {
    SelectScope selectFont(dc_, FontHandle(font));
    const int oldMode = ::SetBkMode(dc_, TRANSPARENT);
    const COLORREF oldColor = ::SetTextColor(dc_, ToColorRef(color));
    RECT rc{r.left, r.top, r.right, r.bottom};
    ::DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &rc, format);
    ::SetTextColor(dc_, oldColor);
    ::SetBkMode(dc_, oldMode);
}

void Canvas::TextOut(const std::string& text, int x, int y, const FontSpec& font, Color color) {
    SelectScope selectFont(dc_, FontHandle(font));
    const int oldMode = ::SetBkMode(dc_, TRANSPARENT);
    const COLORREF oldColor = ::SetTextColor(dc_, ToColorRef(color));
    const UINT oldAlign = ::SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    ::TextOutA(dc_, x, y, text.c_str(), static_cast<int>(text.size()));
    ::SetTextAlign(dc_, oldAlign);
    ::SetTextColor(dc_, oldColor);
    ::SetBkMode(dc_, oldMode);
}

SIZE Canvas::MeasureText(const std::string& text, const FontSpec& font, UINT format, int maxWidth, int charExtra) {
    SelectScope selectFont(dc_, FontHandle(font));
    const int oldExtra = ::SetTextCharacterExtra(dc_, charExtra);
    RECT rc{0, 0, maxWidth, 0};
    ::DrawTextA(dc_, text.c_str(), static_cast<int>(text.size()), &rc, format | DT_CALCRECT);
    ::SetTextCharacterExtra(dc_, oldExtra);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

}  // namespace fw
