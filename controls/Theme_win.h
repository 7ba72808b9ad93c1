#pragma once
// The platform's visual styles for the library's controls. "uxtheme.dll" is loaded when first
// needed, so the program still starts where the platform has no visual styles; a style is in
// force when the platform reports one active, the library-wide switch is on and the control's
// CtlXP allows it.
#include <windows.h>
// The declarations only: the functions are looked up at run time.
#include <uxtheme.h>
#include <vssym32.h>

namespace ecl {

// The library-wide visual-style switch, on by default.
bool VisualStylesEnabled();
void SetVisualStylesEnabled(bool on);

// True when the platform has a visual style active.
bool ThemeActive();
// The rule every control of the library follows before drawing with the visual style.
bool VisualStyleInForce(bool ctlXP);

// Theme data of one theme class, owned by a control. It is opened when first asked for (for the
// control's window, or the parent's window of a windowless control) and closed by Reset, which the
// control calls when the platform's theme changes so that the next use opens the new theme.
class ThemeData {
public:
    explicit ThemeData(const wchar_t* classList) : classList_(classList) {}
    ~ThemeData() { Reset(); }
    ThemeData(const ThemeData&) = delete;
    ThemeData& operator=(const ThemeData&) = delete;

    // The open handle, or nullptr when the platform offers none.
    HTHEME Get(HWND window);
    void Reset();

    // The theme's calls on this data; false when there is no theme or the call fails.
    bool DrawBackground(HWND window, HDC dc, int part, int state, const RECT& rect, const RECT* clip);
    bool DrawParentBackground(HWND child, HDC dc, const RECT* rect);
    bool Color(HWND window, int part, int state, int property, COLORREF& color);
    bool PartSize(HWND window, HDC dc, int part, int state, SIZE& size);

private:
    const wchar_t* classList_;
    HTHEME theme_ = nullptr;
    bool tried_ = false;  // an open that failed is not retried until Reset
};

}  // namespace ecl
