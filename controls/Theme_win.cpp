#include "controls/Theme_win.h"

namespace ecl {

namespace {

// The visual-style functions the library uses, from "uxtheme.dll" when the platform has it.
struct ThemeLibrary {
    decltype(&::IsThemeActive) isThemeActive = nullptr;
    decltype(&::OpenThemeData) open = nullptr;
    decltype(&::CloseThemeData) close = nullptr;
    decltype(&::DrawThemeBackground) drawBackground = nullptr;
    decltype(&::DrawThemeParentBackground) drawParentBackground = nullptr;
    decltype(&::GetThemeColor) color = nullptr;
    decltype(&::GetThemePartSize) partSize = nullptr;

    bool Complete() const { return isThemeActive && open && close && drawBackground && color && partSize; }
};

template <class Fn>
void Find(HMODULE module, const char* name, Fn& fn) {
    fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

// Loaded once and kept for the life of the process; every pointer is null when a piece is missing.
const ThemeLibrary& Library() {
    static const ThemeLibrary library = [] {
        ThemeLibrary lib;
        HMODULE module = ::LoadLibraryA("uxtheme.dll");
        if (!module) return lib;
        Find(module, "IsThemeActive", lib.isThemeActive);
        Find(module, "OpenThemeData", lib.open);
        Find(module, "CloseThemeData", lib.close);
        Find(module, "DrawThemeBackground", lib.drawBackground);
        Find(module, "DrawThemeParentBackground", lib.drawParentBackground);
        Find(module, "GetThemeColor", lib.color);
        Find(module, "GetThemePartSize", lib.partSize);
        if (!lib.Complete()) lib = ThemeLibrary{};
        return lib;
    }();
    return library;
}

bool g_visualStyles = true;

}  // namespace

bool VisualStylesEnabled() { return g_visualStyles; }
void SetVisualStylesEnabled(bool on) { g_visualStyles = on; }

bool ThemeActive() {
    const ThemeLibrary& lib = Library();
    return lib.isThemeActive && lib.isThemeActive();
}

bool VisualStyleInForce(bool ctlXP) { return ctlXP && g_visualStyles && ThemeActive(); }

HTHEME ThemeData::Get(HWND window) {
    if (theme_ || tried_) return theme_;
    tried_ = true;
    const ThemeLibrary& lib = Library();
    if (lib.open) theme_ = lib.open(window, classList_);
    return theme_;
}

void ThemeData::Reset() {
    if (theme_) Library().close(theme_);
    theme_ = nullptr;
    tried_ = false;
}

bool ThemeData::DrawBackground(HWND window, HDC dc, int part, int state, const RECT& rect, const RECT* clip) {
    HTHEME theme = Get(window);
    return theme && SUCCEEDED(Library().drawBackground(theme, dc, part, state, &rect, clip));
}

bool ThemeData::DrawParentBackground(HWND child, HDC dc, const RECT* rect) {
    const ThemeLibrary& lib = Library();
    if (!Get(child) || !lib.drawParentBackground) return false;
    RECT area = rect ? *rect : RECT{};
    return SUCCEEDED(lib.drawParentBackground(child, dc, rect ? &area : nullptr));
}

bool ThemeData::Color(HWND window, int part, int state, int property, COLORREF& color) {
    HTHEME theme = Get(window);
    return theme && SUCCEEDED(Library().color(theme, part, state, property, &color));
}

bool ThemeData::PartSize(HWND window, HDC dc, int part, int state, SIZE& size) {
    HTHEME theme = Get(window);
    return theme && SUCCEEDED(Library().partSize(theme, dc, part, state, nullptr, TS_TRUE, &size));
}

}  // namespace ecl
