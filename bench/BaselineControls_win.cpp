// The second start-up baseline: the program's main window built from the system's own controls
// (BUTTON, EDIT, STATIC, a group box with two radio buttons, the logo in a STATIC bitmap), at the
// bounds and in the fonts and colours of app/MainWindow.desc.in, with the program's manifest. The
// program's start measured against this one is what our framework costs.
#include <windows.h>

#include <iterator>

#include "BaselinePaths.h"

namespace {

// The window's colour ($0080FFFF in the description: light yellow).
constexpr COLORREF kWindowColour = RGB(255, 255, 128);

enum Font { kWindowFont, kButtonFont, kEditFont, kGroupCaptionFont, kBannerFont, kFontCount };

struct FontSpec {
    int height;
    int weight;
    DWORD charset;
    const char* face;
};

constexpr FontSpec kFonts[kFontCount] = {
    {-11, FW_NORMAL, DEFAULT_CHARSET, "MS Sans Serif"}, {-11, FW_BOLD, DEFAULT_CHARSET, "MS Sans Serif"},
    {-13, FW_NORMAL, DEFAULT_CHARSET, "MS Sans Serif"}, {-16, FW_BOLD, DEFAULT_CHARSET, "MS Sans Serif"},
    {-21, FW_BOLD, ANSI_CHARSET, "Arial Black"},
};

struct Control {
    const char* className;
    const char* text;
    DWORD style;
    int left, top, width, height;
    Font font;
};

constexpr DWORD kPush = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kEdit = ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP;
constexpr DWORD kLabel = SS_LEFT | SS_NOPREFIX;
// A browse edit is the EDIT box and, in its right end, the 18-pixel browse button.
constexpr int kBrowseButtonWidth = 18;
constexpr int kBrowseEditWidth = 489 - kBrowseButtonWidth;
constexpr int kBrowseButtonLeft = 236 + kBrowseEditWidth;

// In the description's order, but for the logo: the banner's text lies over the logo, and Wine
// paints overlapping siblings in the order they were made. The group box comes before its radio
// buttons.
constexpr Control kControls[] = {
    {"STATIC", "", SS_BITMAP, 318, 24, 405, 201, kWindowFont},
    {"STATIC", "BRIGHTWELL STOCKDRAW\r\nFOR TALLYBOARD LAPTOP ONLY", kLabel, 20, 20, 393, 62, kBannerFont},
    {"BUTTON", "Exit", BS_PUSHBUTTON, 651, 453, 70, 30, kWindowFont},
    {"BUTTON", "About", BS_PUSHBUTTON, 575, 453, 70, 30, kWindowFont},
    {"BUTTON", "Help", BS_PUSHBUTTON, 499, 453, 70, 30, kWindowFont},
    {"STATIC", "Grab Data From:", kLabel, 237, 228, 78, 13, kWindowFont},
    {"STATIC", "Grab Data From:", kLabel, 237, 284, 78, 13, kWindowFont},
    {"STATIC", "Grab Data From:", kLabel, 237, 340, 78, 13, kWindowFont},
    {"STATIC", "Grab Data From:", kLabel, 237, 396, 78, 13, kWindowFont},
    {"BUTTON", "GRAB CENTRAL INVENTORY", kPush, 20, 224, 205, 45, kButtonFont},
    {"BUTTON", "GRAB VELDA INVENTORY", kPush, 20, 280, 205, 45, kButtonFont},
    {"BUTTON", "GRAB HARROWAY INVENTORY", kPush, 20, 336, 205, 45, kButtonFont},
    {"EDIT", kHarrowayPath, kEdit, 236, 356, kBrowseEditWidth, 25, kEditFont},
    {"BUTTON", "...", BS_PUSHBUTTON, kBrowseButtonLeft, 356, kBrowseButtonWidth, 25, kWindowFont},
    {"EDIT", kCentralPath, kEdit, 236, 244, kBrowseEditWidth, 25, kEditFont},
    {"BUTTON", "...", BS_PUSHBUTTON, kBrowseButtonLeft, 244, kBrowseButtonWidth, 25, kWindowFont},
    {"EDIT", kVeldaPath, kEdit, 236, 300, kBrowseEditWidth, 25, kEditFont},
    {"BUTTON", "...", BS_PUSHBUTTON, kBrowseButtonLeft, 300, kBrowseButtonWidth, 25, kWindowFont},
    {"BUTTON", "SELECT OS TYPE", BS_GROUPBOX, 20, 128, 205, 81, kGroupCaptionFont},
    // Where the radio group puts its two items: inside its frame, below its caption, one row each.
    {"BUTTON", "32 Bit Operating System", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, 27, 150, 194, 27, kWindowFont},
    {"BUTTON", "64 Bit Operating System", BS_AUTORADIOBUTTON, 27, 177, 194, 27, kWindowFont},
    {"BUTTON", "GRAB WAREHOUSE INVENTORY", kPush, 20, 392, 205, 45, kButtonFont},
    {"EDIT", kWarehousePath, kEdit, 236, 412, kBrowseEditWidth, 25, kEditFont},
    {"BUTTON", "...", BS_PUSHBUTTON, kBrowseButtonLeft, 412, kBrowseButtonWidth, 25, kWindowFont},
};
constexpr int kLogo = 0;
constexpr int kBanner = 1;
constexpr int kFirstGrabButton = 9;
constexpr int kFirstRadioButton = 19;

HBRUSH windowBrush = nullptr;

// The logo is drawn transparently: every pixel of its lower-left pixel's colour shows the window.
// A STATIC bitmap has no transparency, so that colour of the logo's 256-colour table becomes the
// window's.
HBITMAP LoadLogo(HINSTANCE instance) {
    auto* logo = static_cast<HBITMAP>(LoadImageA(instance, "LOGO", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    DIBSECTION dib{};
    if (!logo || !GetObjectA(logo, sizeof dib, &dib) || dib.dsBm.bmBitsPixel != 8 || dib.dsBmih.biHeight < 0)
        return logo;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, logo);
    RGBQUAD colours[256];
    const UINT count = GetDIBColorTable(dc, 0, 256, colours);
    const BYTE lowerLeft = static_cast<const BYTE*>(dib.dsBm.bmBits)[0];  // bottom-up rows
    if (lowerLeft < count) {
        const RGBQUAD background = colours[lowerLeft];
        for (UINT i = 0; i < count; ++i) {
            RGBQUAD& c = colours[i];
            if (c.rgbRed == background.rgbRed && c.rgbGreen == background.rgbGreen && c.rgbBlue == background.rgbBlue)
                c = {GetBValue(kWindowColour), GetGValue(kWindowColour), GetRValue(kWindowColour), 0};
        }
        SetDIBColorTable(dc, 0, count, colours);
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    return logo;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            auto* dc = reinterpret_cast<HDC>(wParam);
            SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
            SetBkColor(dc, kWindowColour);
            if (GetDlgCtrlID(reinterpret_cast<HWND>(lParam)) == kBanner + 1) {
                // The banner's text lies over the logo; both show the window where they are empty.
                SetTextColor(dc, RGB(0, 0, 0));
                SetBkMode(dc, TRANSPARENT);
                return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
            }
            return reinterpret_cast<LRESULT>(windowBrush);
        }
        case WM_DESTROY: PostQuitMessage(0); return 0;
        default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
    windowBrush = CreateSolidBrush(kWindowColour);
    HFONT fonts[kFontCount];
    for (int f = 0; f < kFontCount; ++f) {
        const FontSpec& spec = kFonts[f];
        fonts[f] = CreateFontA(spec.height, 0, 0, 0, spec.weight, FALSE, FALSE, FALSE, spec.charset, OUT_DEFAULT_PRECIS,
                               CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, spec.face);
    }
    HBITMAP logo = LoadLogo(instance);

    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, "MAINICON");
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = windowBrush;
    windowClass.lpszClassName = "BenchControlsBaseline";
    if (!RegisterClassA(&windowClass)) return 1;
    // A dialog frame around a 754 x 518 client area at (122, 29). Not WS_CLIPCHILDREN: the
    // window's colour must lie under the banner, whose background is left unpainted.
    constexpr DWORD style = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    constexpr DWORD exStyle = WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
    RECT frame{122, 29, 122 + 754, 29 + 518};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    HWND window =
        CreateWindowExA(exStyle, "BenchControlsBaseline", "Tillora POS Stockdraw", style, 122, 29,
                        frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    HWND controls[std::size(kControls)];
    for (size_t i = 0; i < std::size(kControls); ++i) {
        const Control& c = kControls[i];
        // The banner is painted after the logo that lies under it.
        const DWORD transparent = i == kBanner ? WS_EX_TRANSPARENT : 0;
        controls[i] =
            CreateWindowExA(transparent, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, c.left, c.top, c.width,
                            c.height, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(i + 1)), instance, nullptr);
        SendMessageA(controls[i], WM_SETFONT, reinterpret_cast<WPARAM>(fonts[c.font]), FALSE);
    }
    SendMessageA(controls[kLogo], STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(logo));
    SendMessageA(controls[kFirstRadioButton], BM_SETCHECK, BST_CHECKED, 0);
    ShowWindow(window, show);
    SetFocus(controls[kFirstGrabButton]);
    UpdateWindow(window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageA(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    DeleteObject(logo);
    for (HFONT font : fonts) DeleteObject(font);
    DeleteObject(windowBrush);
    return 0;
}
