#include "framework/MessageDialog_win.h"

#include <exception>
#include <optional>
#include <stdexcept>

#include "framework/Handles_win.h"
#include "framework/MessageLayout.h"
#include "framework/Modality_win.h"

namespace fw {

namespace {

// Predefined window classes of dialog template items.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kStaticClass = 0x0082;

// How the text static draws its text, and so how it is measured.
constexpr UINT kTextFormat = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL;
constexpr DWORD kTextStyle = WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL;

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND;

// An in-memory dialog template. The controls are created empty and unplaced: texts, font and
// positions are set when the dialog initialises, in pixels of the font actually used.
class DialogTemplate {
public:
    DialogTemplate() {
        AddDword(kDialogStyle);
        AddDword(0);                             // extended style
        AddWord(0);                              // number of items, counted up by AddItem
        for (int i = 0; i < 4; ++i) AddWord(0);  // x, y, cx, cy
        AddWord(0);                              // no menu
        AddWord(0);                              // the standard dialog class "#32770"
        AddWord(0);                              // caption, set later
    }

    void AddItem(WORD windowClass, DWORD style, int id) {
        if (words_.size() % 2) AddWord(0);  // every item starts on a DWORD boundary
        AddDword(style);
        AddDword(0);
        for (int i = 0; i < 4; ++i) AddWord(0);
        AddWord(static_cast<WORD>(id));
        AddWord(0xFFFF);
        AddWord(windowClass);
        AddWord(0);  // text, set later
        AddWord(0);  // no creation data
        ++words_[kCountIndex];
    }

    // operator new aligns the vector's storage for any type, DWORDs included.
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    static constexpr size_t kCountIndex = 4;

    void AddWord(WORD w) { words_.push_back(w); }
    void AddDword(DWORD d) {
        AddWord(LOWORD(d));
        AddWord(HIWORD(d));
    }

    std::vector<WORD> words_;
};

DialogTemplate BuildTemplate(const MessageDialogOptions& options) {
    DialogTemplate dialog;
    if (options.icon != MessageIcon::None)
        dialog.AddItem(kStaticClass, WS_CHILD | WS_VISIBLE | SS_ICON, kMessageIconId);
    dialog.AddItem(kStaticClass, kTextStyle, kMessageTextId);
    bool first = true;
    for (const auto& button : options.buttons) {
        DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
        style |= button.id == options.defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
        if (first) style |= WS_GROUP;
        first = false;
        dialog.AddItem(kButtonClass, style, button.id);
    }
    return dialog;
}

// The fonts of the system's own message boxes: they follow the user's settings and the screen's
// pixel density, which the bitmap font "MS Sans Serif" would not.
struct DialogFonts {
    UniqueFont message;
    UniqueFont caption;
};

DialogFonts SystemFonts() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    DialogFonts fonts;
    if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        fonts.message = NewFont(metrics.lfMessageFont);
        fonts.caption = NewFont(metrics.lfCaptionFont);
    }
    return fonts;
}

HFONT OrDefault(const UniqueFont& font) {
    return font ? font.Get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

struct DialogState {
    const MessageDialogOptions& options;
    DialogFonts fonts;
    std::exception_ptr error;
    std::optional<DisabledWindows> disabled;  // the thread's other windows, while the box is up
};

// Enables the other windows before the box hides, so that its owner gets the activation back.
void End(HWND dlg, DialogState& state, INT_PTR result) {
    if (state.disabled) state.disabled->Release();
    ::EndDialog(dlg, result);
}

// Measured up to the first NUL, as far as the window text goes.
Size TextExtent(HDC dc, const std::string& text, int width, UINT format) {
    RECT r{0, 0, width, 0};
    ::DrawTextA(dc, text.c_str(), -1, &r, format | DT_CALCRECT);
    return {r.right - r.left, r.bottom - r.top};
}

MessageLayout Measure(HWND dlg, const DialogState& state) {
    const WindowDc dc(dlg);
    if (!dc.Get()) throw std::runtime_error("Cannot measure the message box");
    const int maxTextWidth = MaxTextWidth(::GetSystemMetrics(SM_CXSCREEN));
    MessageParts parts;
    BaseUnits units;
    {
        const SelectScope select(dc.Get(), OrDefault(state.fonts.message));
        static constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        SIZE alphabet{};
        ::GetTextExtentPoint32A(dc.Get(), kAlphabet, 52, &alphabet);
        TEXTMETRICA metrics{};
        ::GetTextMetricsA(dc.Get(), &metrics);
        units = {(alphabet.cx / 26 + 1) / 2, metrics.tmHeight};

        parts.text = TextExtent(dc.Get(), state.options.text, maxTextWidth, kTextFormat);
        for (const auto& button : state.options.buttons)
            parts.captionWidths.push_back(TextExtent(dc.Get(), button.caption, 0, DT_SINGLELINE).width);
    }
    if (state.options.icon != MessageIcon::None)
        parts.icon = {::GetSystemMetrics(SM_CXICON), ::GetSystemMetrics(SM_CYICON)};

    const MessageSpacing spacing = StandardSpacing(units);
    {
        // Room for the whole caption and the close box beside it.
        const SelectScope select(dc.Get(), OrDefault(state.fonts.caption));
        parts.minClientWidth = TextExtent(dc.Get(), state.options.caption, 0, DT_SINGLELINE | DT_NOPREFIX).width +
                               ::GetSystemMetrics(SM_CXSIZE) + 2 * spacing.margin;
    }
    return LayOutMessage(parts, spacing, maxTextWidth);
}

void MoveTo(HWND control, const Rect& r) { ::MoveWindow(control, r.left, r.top, r.Width(), r.Height(), FALSE); }

void Place(HWND dlg, const DialogState& state, const MessageLayout& layout) {
    RECT frame{0, 0, layout.client.width, layout.client.height};
    ::AdjustWindowRectEx(&frame, static_cast<DWORD>(::GetWindowLongPtrA(dlg, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongPtrA(dlg, GWL_EXSTYLE)));
    RECT work{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    const Rect window =
        CentreIn({work.left, work.top, work.right, work.bottom}, {frame.right - frame.left, frame.bottom - frame.top});
    ::SetWindowPos(dlg, nullptr, window.left, window.top, window.Width(), window.Height(),
                   SWP_NOZORDER | SWP_NOACTIVATE);

    if (state.options.icon != MessageIcon::None) MoveTo(::GetDlgItem(dlg, kMessageIconId), layout.icon);
    MoveTo(::GetDlgItem(dlg, kMessageTextId), layout.text);
    for (size_t i = 0; i < state.options.buttons.size(); ++i)
        MoveTo(::GetDlgItem(dlg, state.options.buttons[i].id), layout.buttons[i]);
}

LPCSTR IconName(MessageIcon icon) { return icon == MessageIcon::Warning ? IDI_EXCLAMATION : IDI_HAND; }

void InitDialog(HWND dlg, const DialogState& state) {
    const auto& options = state.options;
    ::SetWindowTextA(dlg, options.caption.c_str());
    ::SetDlgItemTextA(dlg, kMessageTextId, options.text.c_str());
    for (const auto& button : options.buttons) ::SetDlgItemTextA(dlg, button.id, button.caption.c_str());
    if (options.icon != MessageIcon::None) {
        // System icons are shared: nothing to destroy.
        ::SendDlgItemMessageA(dlg, kMessageIconId, STM_SETICON,
                              reinterpret_cast<WPARAM>(::LoadIconA(nullptr, IconName(options.icon))), 0);
    }
    const HFONT font = OrDefault(state.fonts.message);
    for (HWND child = ::GetWindow(dlg, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
        ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    Place(dlg, state, Measure(dlg, state));

    // Through the dialog manager, so that it keeps track of the default button.
    ::SendMessageA(dlg, DM_SETDEFID, static_cast<WPARAM>(options.defaultId), 0);
    ::SendMessageA(dlg, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(::GetDlgItem(dlg, options.defaultId)), TRUE);
}

bool IsButton(const MessageDialogOptions& options, int id) {
    for (const auto& button : options.buttons)
        if (button.id == id) return true;
    return false;
}

// Ends the dialog when an exception stops it; the caller rethrows the exception.
constexpr INT_PTR kFailed = -1;

INT_PTR CALLBACK MessageDialogProc(HWND dlg, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    if (msg == WM_INITDIALOG) ::SetWindowLongPtrA(dlg, DWLP_USER, lParam);
    auto* state = reinterpret_cast<DialogState*>(::GetWindowLongPtrA(dlg, DWLP_USER));
    if (!state) return FALSE;
    try {
        switch (msg) {
            // FALSE: InitDialog has put the focus on the default button.
            case WM_INITDIALOG:
                state->disabled.emplace(dlg);
                InitDialog(dlg, *state);
                return FALSE;
            case WM_COMMAND: {
                const int id = LOWORD(wParam);
                if (id == IDCANCEL) {
                    End(dlg, *state, state->options.cancelId);
                    return TRUE;
                }
                if (HIWORD(wParam) == BN_CLICKED && IsButton(state->options, id)) {
                    End(dlg, *state, id);
                    return TRUE;
                }
                return FALSE;
            }
            case WM_CLOSE: End(dlg, *state, state->options.cancelId); return TRUE;
            default: return FALSE;
        }
    } catch (...) {
        state->error = std::current_exception();
        End(dlg, *state, kFailed);
        return TRUE;
    }
}

}  // namespace

int RunMessageDialog(const MessageDialogOptions& options) {
    if (options.buttons.empty()) throw std::invalid_argument("A message box needs a button");
    const DialogTemplate dialog = BuildTemplate(options);
    MessageDialogOptions shown = options;
    shown.text = ShownMessageText(options.text);
    DialogState state{shown, SystemFonts(), nullptr, std::nullopt};
    const INT_PTR result = ::DialogBoxIndirectParamA(::GetModuleHandleA(nullptr), dialog.Get(), ModalOwner(),
                                                     MessageDialogProc, reinterpret_cast<LPARAM>(&state));
    if (state.error) std::rethrow_exception(state.error);
    if (result == kFailed || result == 0) throw std::runtime_error("Cannot show the message box");
    return static_cast<int>(result);
}

void ShowErrorBox(const std::string& caption, const std::string& text) {
    RunMessageDialog({caption, text, MessageIcon::Error, {{IDOK, "OK"}}, IDOK, IDOK});
}

}  // namespace fw
