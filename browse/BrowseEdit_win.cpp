#include "browse/BrowseEdit_win.h"

#include <windowsx.h>

#include <algorithm>
#include <bitset>
#include <cstdlib>
#include <utility>

#include "browse/BrowseDlg_win.h"
#include "browse/BrowseEditLayout.h"
#include "browse/ShortenPath.h"
#include "controls/Bevel_win.h"
#include "controls/ButtonFacePaint_win.h"
#include "controls/FxText_win.h"
#include "controls/Glyph_win.h"
#include "framework/Clipboard_win.h"
#include "framework/Handles_win.h"
#include "framework/PartPublisher.h"
#include "framework/PopupMenu_win.h"

namespace ecl {

// The button at the edit's right: a windowless child with the integrated face and the folder
// glyph. It clicks when the mouse is released over it after a press on it.
class BrowseButton : public fw::Control {
public:
    explicit BrowseButton(std::function<void()> onClick) : fw::Control(nullptr), onClick_(std::move(onClick)) {
        SetColor(fw::clBtnFace);
        SetCursor(fw::MouseCursor::crArrow);
        // Picture 3 of the library's strip of eight: the yellow folder.
        glyph_.LoadPicture("ECLBMPGLYPH", 2, 8);
    }

    ButtonState State() const {
        if (!Enabled()) return ButtonState::Disabled;
        return pressed_ ? ButtonState::Pushed : ButtonState::Up;
    }

    void MouseDown(int, int) override {
        held_ = true;
        SetPressed(true);
    }
    void MouseMove(int x, int y) override {
        if (held_) SetPressed(ClientRect().Contains(x, y));
    }
    void MouseUp(int x, int y) override {
        const bool click = held_ && ClientRect().Contains(x, y);
        held_ = false;
        SetPressed(false);
        if (click) Click();
    }
    // A release over the button, or a key that presses it.
    void Click() override {
        if (Enabled()) onClick_();
    }

    bool Describe(fw::AccessibleInfo& info) const override {
        info.role = fw::AccessibleRole::PushButton;
        info.name = "Browse";
        info.defaultAction = "Press";
        return true;
    }
    bool DoDefaultAction() override {
        if (!Enabled()) return false;
        onClick_();
        return true;
    }

    void Paint(fw::Canvas& canvas) override {
        const fw::Rect r = ClientRect();
        canvas.FillRect(r, GetColor());
        PaintIntegratedFace(canvas, r, GetColor(), pressed_);
        const fw::Rect face = SpeedContent(r, pressed_);
        glyph_.Draw(canvas.Dc(), face.left + (face.Width() - glyph_.CellWidth()) / 2,
                    face.top + (face.Height() - glyph_.Height()) / 2, State());
    }

private:
    void SetPressed(bool pressed) {
        if (pressed == pressed_) return;
        pressed_ = pressed;
        Invalidate();
    }

    std::function<void()> onClick_;
    TEclGlyph glyph_;
    bool held_ = false;
    bool pressed_ = false;
};

}  // namespace ecl

namespace {

// What a standard single-line edit box reports as its limit when it has none.
constexpr LRESULT kNoTextLimit = 0x7FFFFFFE;

// The width of the flat (or sunken) window border outside the client area.
int BorderWidth(bool windowsFrame, bool ctl3D) {
    if (!windowsFrame) return 0;
    return ::GetSystemMetrics(ctl3D ? SM_CXEDGE : SM_CXBORDER);
}

}  // namespace

TEclBrowseEdit::TEclBrowseEdit(fw::Component* owner)
    : fw::WinControl(owner),
      caret_(static_cast<int>(::GetCaretBlinkTime())),
      button_(std::make_unique<ecl::BrowseButton>([this] { ButtonClicked(); })) {
    SetTabStop(true);
    SetColor(fw::clWindow);
    std::bitset<256> lead;
    for (unsigned b = 0x80; b < 256; ++b) lead[b] = ::IsDBCSLeadByte(static_cast<BYTE>(b)) != FALSE;
    line_.SetLeadBytes(lead);
    // An I-beam over the text; the button shows the arrow.
    SetCursor(fw::MouseCursor::crIBeam);
    // The window draws the Windows frame; the bevel itself takes no room.
    bevel_.SetMode(TEclBevelMode::bmWindows);
    bevel_.SetThemeSupport(true);
    bevel_.SetOnChange([this] {
        UpdateFrame();
        AdjustSize();
        LayoutButton();
        Invalidate();
    });
    caret_.SetOnChange([this] {
        if (caretVisible_ && caret_.BlinkRate() > 0) ::SetCaretBlinkTime(static_cast<UINT>(caret_.BlinkRate()));
    });
    button_->SetParent(this);
    SetBounds(0, 0, 121, 21);
    LayoutButton();
}

TEclBrowseEdit::~TEclBrowseEdit() {
    // While this object is whole: the window gives back the caret and the blink time.
    DestroyHandle();
}

const fw::ClassInfo& TEclBrowseEdit::StaticClass() {
    static const fw::ClassInfo info = [] {
        using C = TEclBrowseEdit;
        fw::ClassInfo ci("TEclBrowseEdit", &fw::WinControl::StaticClass(),
                         [](fw::Component* owner) { return std::make_unique<C>(owner); });
        fw::Publish<C>(ci)
            .Property<bool>("AutoSize", &C::AutoSize, &C::SetAutoSize)
            .Property<int>("MaxLength", &C::MaxLength, &C::SetMaxLength)
            .Property<TEclUserButtonStyle>("CustomButtonsStyle", &C::CustomButtonsStyle, &C::SetCustomButtonsStyle)
            .Property<int>("CustomButtonWidth", &C::CustomButtonWidth, &C::SetCustomButtonWidth)
            .Property<bool>("CustomButtonParentCtlXP", &C::CustomButtonParentCtlXP, &C::SetCustomButtonParentCtlXP)
            .Property<TEclBrowseDlgOptions>("Options", &C::Options, &C::SetOptions)
            .Property<std::string>("Path", &C::Path, &C::SetPath)
            .Property<TEclSystemFolders>("StartFolder", &C::StartFolder, &C::SetStartFolder)
            .Property<bool>("StartWithLast", &C::StartWithLast, &C::SetStartWithLast)
            .Property<bool>("MinimizeName", &C::MinimizeName, &C::SetMinimizeName)
            .Property<bool>("ReadOnly", &C::ReadOnly, &C::SetReadOnly)
            .Property<bool>("HideSelection", &C::HideSelection, &C::SetHideSelection)
            .Property<bool>("AutoSelect", &C::AutoSelect, &C::SetAutoSelect);
        ecl::PublishBevel(fw::PublishPart<C>(
            ci, "Bevel", [](auto& c) -> auto& { return c.Bevel(); }));
        fw::PublishPart<C>(
            ci, "Caret", [](auto& c) -> auto& { return c.Caret(); })
            .template Property<int>("BlinkRate", &TEclCaret::BlinkRate, &TEclCaret::SetBlinkRate)
            .template Property<TEclCaretStyles>("Style", &TEclCaret::Style, &TEclCaret::SetStyle)
            .Event("OnChange", [](C& c, fw::NotifyEvent e) { c.SetOnChange(std::move(e)); })
            .Event("OnDlgChange", [](C& c, fw::NotifyEvent e) { c.SetOnDlgChange(std::move(e)); })
            .Event("OnBrowse", [](C& c, fw::NotifyEvent e) { c.SetOnBrowse(std::move(e)); })
            .Event("OnBeforeBrowse", [](C& c, fw::NotifyEvent e) { c.SetOnBeforeBrowse(std::move(e)); })
            .template Event<ExecuteEvent>("OnExecute", [](C& c, ExecuteEvent e) { c.SetOnExecute(std::move(e)); });
        return ci;
    }();
    return info;
}

// --- Properties ----------------------------------------------------------------------------------

std::string TEclBrowseEdit::Path() const { return line_.Text(); }

void TEclBrowseEdit::SetPath(std::string path) { SetText(std::move(path)); }

void TEclBrowseEdit::SetCustomButtonWidth(int width) {
    if (width == buttonWidth_ || width < 0) return;
    buttonWidth_ = width;
    AdjustSize();
    LayoutButton();
    ScrollToCaret();
    Invalidate();
}

void TEclBrowseEdit::SetMaxLength(int length) { maxLength_ = std::max(length, 0); }

// The style bit and the screen readers' read-only state follow the property.
void TEclBrowseEdit::ReadOnlyChanged() {
    if (!HandleAllocated()) return;
    const LONG_PTR style = ::GetWindowLongPtrA(Handle(), GWL_STYLE) & ~static_cast<LONG_PTR>(ES_READONLY);
    ::SetWindowLongPtrA(Handle(), GWL_STYLE, style | (readOnly_ ? ES_READONLY : 0));
    NotifyAccessible(EVENT_OBJECT_STATECHANGE);
}

ecl::ButtonState TEclBrowseEdit::ButtonState() const { return button_->State(); }

// --- Text ----------------------------------------------------------------------------------------

void TEclBrowseEdit::SetText(std::string text) {
    if (!line_.SetText(std::move(text), ecl::TextLimit(maxLength_))) return;
    scroll_ = 0;
    MoveSystemCaret();
    Invalidate();
    Changed();
}

void TEclBrowseEdit::Changed() {
    NotifyAccessible(EVENT_OBJECT_VALUECHANGE);
    if (!IsLoading() && onChange_) onChange_(*this);
}

bool TEclBrowseEdit::Describe(fw::AccessibleInfo& info) const {
    info.role = fw::AccessibleRole::Text;
    info.value = Path();
    if (readOnly_) info.state |= fw::accessible_state::kReadOnly;
    return true;
}

bool TEclBrowseEdit::SetAccessibleValue(const std::string& value) {
    if (readOnly_ || !Enabled()) return false;
    SetText(value);
    return true;
}

// After an editing key: keeps the caret in view and repaints; `changed` says the text changed.
void TEclBrowseEdit::Edited(bool changed) {
    ScrollToCaret();
    MoveSystemCaret();
    Invalidate();
    if (changed) Changed();
}

std::vector<int> TEclBrowseEdit::Edges() const {
    const std::string& text = line_.Text();
    std::vector<int> edges(text.size() + 1, 0);
    if (text.empty()) return edges;
    fw::WindowDc screen;
    fw::SelectScope select(screen.Get(), fw::FontHandle(Font()));
    SIZE size{};
    ::GetTextExtentExPointA(screen.Get(), text.c_str(), static_cast<int>(text.size()), 0, nullptr, edges.data() + 1,
                            &size);
    return edges;
}

std::string TEclBrowseEdit::DisplayedText() const {
    if (!minimizeName_ || Focused()) return line_.Text();
    fw::WindowDc screen;
    fw::SelectScope select(screen.Get(), fw::FontHandle(Font()));
    const auto width = [&screen](std::string_view text) {
        SIZE size{};
        ::GetTextExtentPoint32A(screen.Get(), text.data(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    return ecl::ShortenPath(line_.Text(), TextArea().Width() - 2, width);
}

int TEclBrowseEdit::CaretX() const { return Edges()[line_.Caret()]; }

void TEclBrowseEdit::ScrollToCaret() {
    const std::vector<int> edges = Edges();
    scroll_ = ecl::ScrollForText(scroll_, edges[line_.Caret()], edges.back(), TextArea().Width() - 2);
}

void TEclBrowseEdit::PlaceCaretAt(int x, bool extend) {
    const std::vector<int> edges = Edges();
    line_.SetCaret(ecl::CaretIndexAt(edges, x - (TextArea().left + 1) + scroll_), extend);
    Edited(false);
}

void TEclBrowseEdit::OnKeyDown(WPARAM key) {
    const bool shift = (::GetKeyState(VK_SHIFT) & 0x8000) != 0;
    const bool ctrl = (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
    switch (key) {
        case VK_LEFT:
        case VK_UP:
            line_.Left(shift);
            Edited(false);
            break;
        case VK_RIGHT:
        case VK_DOWN:
            line_.Right(shift);
            Edited(false);
            break;
        case VK_HOME:
            line_.Home(shift);
            Edited(false);
            break;
        case VK_END:
            line_.End(shift);
            Edited(false);
            break;
        case VK_DELETE:
            if (shift)
                CutToClipboard();
            else if (!readOnly_)
                Edited(line_.Delete());
            break;
        case VK_INSERT:
            if (shift)
                Paste();
            else if (ctrl)
                CopyToClipboard();
            else
                ecl::EditLine::SetOverwrite(!ecl::EditLine::Overwrite());
            break;
        case VK_F4: button_->Click(); break;
        default: break;
    }
}

void TEclBrowseEdit::OnChar(char c) {
    constexpr char kCtrlA = 0x01;
    constexpr char kCtrlC = 0x03;
    constexpr char kBackspace = 0x08;
    constexpr char kCtrlV = 0x16;
    constexpr char kCtrlX = 0x18;
    constexpr char kCtrlZ = 0x1A;
    constexpr char kEscape = 0x1B;
    switch (c) {
        case kBackspace:
            if (!readOnly_) Edited(line_.Backspace());
            break;
        case kCtrlA: SelectAll(); break;
        case kCtrlC: CopyToClipboard(); break;
        case kCtrlV: Paste(); break;
        case kCtrlX: CutToClipboard(); break;
        case kCtrlZ: Undo(); break;
        case kEscape:
            line_.SetCaret(line_.Caret());
            Edited(false);
            break;
        default:
            if (static_cast<unsigned char>(c) >= 32 && c != 0x7F && !readOnly_)
                Edited(line_.TypeKeyByte(c, ecl::TextLimit(maxLength_)));
            // Other control characters (Enter) do nothing here.
            break;
    }
}

// The right-click menu (or Shift+F10 and the menu key, at the caret), built on the spot.
void TEclBrowseEdit::ShowContextMenu(LPARAM where) {
    if (CanFocus() && !Focused()) SetFocus();
    POINT screen{GET_X_LPARAM(where), GET_Y_LPARAM(where)};
    POINT client = screen;
    ::ScreenToClient(Handle(), &client);
    if (where != -1 && ButtonRect().Contains(client.x, client.y)) return;
    if (where == -1) {
        const fw::Rect area = TextArea();
        screen = {area.left + 1 + CaretX() - scroll_, area.bottom};
        ::ClientToScreen(Handle(), &screen);
    }
    const auto model = ecl::EditMenuItems(line_, readOnly_, ::IsClipboardFormatAvailable(CF_TEXT) != FALSE);
    std::vector<fw::MenuItem> items;
    items.reserve(model.size());
    for (const ecl::EditMenuItem& item : model)
        items.push_back({item.caption, static_cast<int>(item.command), item.enabled});
    RunCommand(static_cast<ecl::EditCommand>(fw::ShowPopupMenu(items, Handle(), screen)));
}

void TEclBrowseEdit::RunCommand(ecl::EditCommand command) {
    switch (command) {
        case ecl::EditCommand::Undo: Undo(); break;
        case ecl::EditCommand::Cut: CutToClipboard(); break;
        case ecl::EditCommand::Copy: CopyToClipboard(); break;
        case ecl::EditCommand::Paste: Paste(); break;
        case ecl::EditCommand::Delete:
            if (!readOnly_ && line_.HasSelection()) Edited(line_.Delete());
            break;
        case ecl::EditCommand::SelectAll: SelectAll(); break;
        case ecl::EditCommand::None: break;
    }
}

void TEclBrowseEdit::SelectAll() {
    line_.SelectAll();
    Edited(false);
}

void TEclBrowseEdit::Undo() {
    if (!readOnly_) Edited(line_.Undo());
}

// Replaces the selection with the clipboard's text up to its first line break.
void TEclBrowseEdit::Paste() {
    if (readOnly_) return;
    if (const auto text = fw::ReadClipboardText(Handle())) Edited(line_.Type(*text, ecl::TextLimit(maxLength_)));
}

void TEclBrowseEdit::CopyToClipboard() {
    if (line_.HasSelection()) fw::WriteClipboardText(Handle(), line_.SelectedText());
}

// The selection leaves the text only once it is safely on the clipboard.
void TEclBrowseEdit::CutToClipboard() {
    if (readOnly_ || !line_.HasSelection()) return;
    if (fw::WriteClipboardText(Handle(), line_.SelectedText())) Edited(!line_.Cut().empty());
}

// --- Geometry ------------------------------------------------------------------------------------

fw::Rect TEclBrowseEdit::Client() const {
    const int border = BorderWidth(bevel_.Mode() == TEclBevelMode::bmWindows, Ctl3D());
    return {0, 0, std::max(Width() - 2 * border, 0), std::max(Height() - 2 * border, 0)};
}

fw::Rect TEclBrowseEdit::TextArea() const {
    const fw::Rect client = Client();
    const int e = bevel_.Extent();
    return ecl::BrowseTextArea({client.left + e, client.top + e, client.right - e, client.bottom - e}, 1, buttonWidth_);
}

fw::Rect TEclBrowseEdit::ButtonRect() const {
    return ecl::BrowseButtonRect(TextArea(), 0, buttonWidth_, bevel_.Mode() == TEclBevelMode::bmWindows);
}

void TEclBrowseEdit::LayoutButton() {
    const fw::Rect r = ButtonRect();
    button_->SetBounds(r.left, r.top, r.Width(), r.Height());
}

int TEclBrowseEdit::TextHeight() const { return ecl::MeasureScreenText("Qp", Font(), DT_SINGLELINE | DT_NOPREFIX).cy; }

void TEclBrowseEdit::AdjustSize() {
    if (!autoSize_ || IsLoading()) return;
    const int height = ecl::BrowseEditAutoHeight(TextHeight(), bevel_.Mode(), bevel_.Extent());
    const int width = std::max(Width(), ecl::BrowseEditMinWidth(1, buttonWidth_));
    SetBounds(Left(), Top(), width, height);
}

void TEclBrowseEdit::GetCreateParams(CreateParams& params) {
    fw::WinControl::GetCreateParams(params);
    if (readOnly_) params.style |= ES_READONLY;
    if (bevel_.Mode() == TEclBevelMode::bmWindows) {
        if (Ctl3D())
            params.exStyle |= WS_EX_CLIENTEDGE;
        else
            params.style |= WS_BORDER;
    }
}

// Gives an existing window the frame that the bevel mode and Ctl3D ask for now.
void TEclBrowseEdit::UpdateFrame() {
    if (!HandleAllocated()) return;
    CreateParams params;
    GetCreateParams(params);
    HWND h = Handle();
    const LONG_PTR style = ::GetWindowLongPtrA(h, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_BORDER);
    const LONG_PTR exStyle = ::GetWindowLongPtrA(h, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_CLIENTEDGE);
    ::SetWindowLongPtrA(h, GWL_STYLE, style | (params.style & WS_BORDER));
    ::SetWindowLongPtrA(h, GWL_EXSTYLE, exStyle | (params.exStyle & WS_EX_CLIENTEDGE));
    ::SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TEclBrowseEdit::Loaded() {
    fw::WinControl::Loaded();
    UpdateFrame();
    AdjustSize();
    LayoutButton();
}

void TEclBrowseEdit::FontChanged() {
    AdjustSize();
    if (caretCreated_) {
        // A caret as high as the new font's text.
        const bool visible = caretVisible_;
        HideSystemCaret();
        ::DestroyCaret();
        ::CreateCaret(Handle(), nullptr, 1, TextHeight());
        MoveSystemCaret();
        if (visible) ShowSystemCaret();
    }
    ScrollToCaret();
    fw::WinControl::FontChanged();
}

void TEclBrowseEdit::BoundsChanged() {
    LayoutButton();
    ScrollToCaret();
    MoveSystemCaret();
}

void TEclBrowseEdit::EnabledChanged() {
    button_->SetEnabled(Enabled());
    fw::WinControl::EnabledChanged();
}

// --- Caret and focus -----------------------------------------------------------------------------

void TEclBrowseEdit::ShowSystemCaret() {
    if (!caretCreated_ || caretVisible_) return;
    if (caret_.BlinkRate() > 0) ::SetCaretBlinkTime(static_cast<UINT>(caret_.BlinkRate()));
    ::ShowCaret(Handle());
    caretVisible_ = true;
}

void TEclBrowseEdit::HideSystemCaret() {
    if (!caretVisible_) return;
    ::HideCaret(Handle());
    if (caret_.SystemBlinkRate() > 0) ::SetCaretBlinkTime(static_cast<UINT>(caret_.SystemBlinkRate()));
    caretVisible_ = false;
}

void TEclBrowseEdit::DestroySystemCaret() {
    if (!caretCreated_) return;
    HideSystemCaret();
    ::DestroyCaret();
    caretCreated_ = false;
}

void TEclBrowseEdit::MoveSystemCaret() {
    if (!caretCreated_) return;
    const fw::Rect area = TextArea();
    ::SetCaretPos(area.left + 1 + CaretX() - scroll_, area.top + 1);
}

void TEclBrowseEdit::OnSetFocus() {
    // A click places the caret right after this, so only a keyboard arrival keeps the selection.
    if (autoSelect_) line_.SelectAll();
    if (line_.HasSelection()) Invalidate();
    if (!::CreateCaret(Handle(), nullptr, 1, TextHeight())) return;
    caretCreated_ = true;
    MoveSystemCaret();
    ShowSystemCaret();
}

void TEclBrowseEdit::OnKillFocus(HWND next) {
    DestroySystemCaret();
    if (line_.HasSelection() && hideSelection_) Invalidate();
    // Moving on within the same window shows the beginning of the text again.
    if (next && ::GetAncestor(next, GA_ROOT) == ::GetAncestor(Handle(), GA_ROOT)) {
        line_.Home();
        scroll_ = 0;
        Invalidate();
    }
}

// --- Browsing ------------------------------------------------------------------------------------

void TEclBrowseEdit::Browse() {
    if (!Focused() && CanFocus()) SetFocus();
    TEclBrowseDlg dialog(Owner());
    dialog.SetStartFolder(startFolder_);
    dialog.SetOptions(options_);
    // A typed trailing backslash would keep the browser from finding the folder.
    if (startWithLast_ && !line_.Text().empty()) dialog.SetSelectedFolder(FolderToSelect(line_.Text()));
    if (onExecute_) onExecute_(*this, dialog);
    if (onBeforeBrowse_) onBeforeBrowse_(dialog);
    // An item without a file-system path (a printer, the control panel) leaves the text alone.
    if (dialog.Execute() && !dialog.SelectedFolder().empty()) {
        SetText(dialog.SelectedFolder());
        if (onDlgChange_) onDlgChange_(*this);
    }
    if (onBrowse_) onBrowse_(dialog);
}

void TEclBrowseEdit::ButtonClicked() {
    Browse();
    if (onBrowse_) onBrowse_(*this);
}

// --- Painting and messages -----------------------------------------------------------------------

void TEclBrowseEdit::Paint(fw::Canvas& canvas) {
    if (bevel_.Extent() > 0) ecl::DrawBevel(canvas, bevel_, Client(), false, GetColor());
    const fw::Rect area = TextArea();
    const fw::Rect inner{area.left + 1, area.top + 1, area.right - 1, area.bottom - 1};
    if (inner.Width() <= 0 || inner.Height() <= 0 || line_.Text().empty()) return;
    HDC dc = canvas.Dc();
    fw::SaveDcScope save(dc);
    ::IntersectClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
    const bool minimized = minimizeName_ && !Focused();
    canvas.DrawText(
        minimized ? DisplayedText() : line_.Text(), {inner.left - scroll_, inner.top, inner.right, inner.bottom},
        DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_LEFT | DT_TOP, Font(), Enabled() ? Font().color : fw::clGrayText);
    if (minimized || !line_.HasSelection() || (hideSelection_ && !Focused())) return;
    // The selection is drawn again in the highlight colours, clipped to its own columns.
    const std::vector<int> edges = Edges();
    const int left = std::max(inner.left + edges[line_.SelStart()] - scroll_, inner.left);
    const int right = std::min(inner.left + edges[line_.SelEnd()] - scroll_, inner.right);
    if (left >= right) return;
    ::IntersectClipRect(dc, left, inner.top, right, inner.bottom);
    canvas.FillRect({left, inner.top, right, inner.bottom}, fw::clHighlight);
    canvas.DrawText(line_.Text(), {inner.left - scroll_, inner.top, inner.right, inner.bottom},
                    DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP | DT_LEFT | DT_TOP, Font(), fw::clHighlightText);
}

LRESULT TEclBrowseEdit::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        // Painting, focus and the caret.
        case WM_PAINT: return PaintUnderHiddenCaret(msg, wParam, lParam);
        case WM_SETFOCUS: OnSetFocus(); return 0;
        case WM_KILLFOCUS: OnKillFocus(reinterpret_cast<HWND>(wParam)); return 0;
        case WM_DESTROY: DestroySystemCaret(); break;
        // The keyboard.
        case WM_GETDLGCODE: return DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_HASSETSEL;
        case WM_KEYDOWN: OnKeyDown(wParam); return 0;
        case WM_SYSKEYDOWN: {
            // The system sees the key too, so that releasing Alt afterwards opens no window menu.
            const LRESULT result = fw::WinControl::WndProc(msg, wParam, lParam);
            OnSysKeyDown(wParam, lParam);
            return result;
        }
        case WM_CHAR: OnChar(static_cast<char>(wParam)); return TRUE;
        // The mouse.
        case WM_LBUTTONDOWN:
            if (OnLeftButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), (wParam & MK_SHIFT) != 0)) return 0;
            break;
        case WM_MOUSEMOVE: OnMouseMove(GET_X_LPARAM(lParam), (wParam & MK_LBUTTON) != 0); break;
        case WM_LBUTTONUP: OnLeftButtonUp(); break;
        case WM_CAPTURECHANGED: dragging_ = false; break;
        case WM_CONTEXTMENU: ShowContextMenu(lParam); return 0;
        // The window's text is the path, so that other programs can read and set it as an edit's.
        case WM_GETTEXTLENGTH: return static_cast<LRESULT>(line_.Text().size());
        case WM_GETTEXT:
            return static_cast<LRESULT>(CopyTextTo(reinterpret_cast<char*>(lParam), static_cast<std::size_t>(wParam)));
        case WM_SETTEXT: SetText(lParam ? reinterpret_cast<const char*>(lParam) : ""); return TRUE;
        case EM_GETSEL: return ReportSelection(reinterpret_cast<DWORD*>(wParam), reinterpret_cast<DWORD*>(lParam));
        case EM_SETSEL: SelectRange(static_cast<int>(wParam), static_cast<int>(lParam)); return 0;
        // The rest of the standard single-line edit's messages, for automation and test tools.
        case EM_REPLACESEL: ReplaceSelection(reinterpret_cast<const char*>(lParam), wParam != 0); return 0;
        case EM_SETLIMITTEXT: SetLimitText(wParam); return 0;
        case EM_GETLIMITTEXT: return LimitText();
        case EM_CANUNDO: return line_.CanUndo() ? TRUE : FALSE;
        case EM_UNDO:
        case WM_UNDO: RunCommand(ecl::EditCommand::Undo); return TRUE;
        case EM_EMPTYUNDOBUFFER: line_.ForgetUndo(); return 0;
        case WM_CUT: RunCommand(ecl::EditCommand::Cut); return 0;
        case WM_COPY: RunCommand(ecl::EditCommand::Copy); return 0;
        case WM_PASTE: RunCommand(ecl::EditCommand::Paste); return 0;
        case WM_CLEAR: RunCommand(ecl::EditCommand::Delete); return 0;
        case EM_SETREADONLY: SetReadOnly(wParam != 0); return TRUE;
        case EM_GETMODIFY: return line_.Modified() ? TRUE : FALSE;
        case EM_SETMODIFY: line_.SetModified(wParam != 0); return 0;
        case EM_LINELENGTH: return LineLength();
        case EM_POSFROMCHAR: return PositionOfChar(wParam);
        case EM_CHARFROMPOS: return CharAtPoint(lParam);
        default: break;
    }
    return fw::WinControl::WndProc(msg, wParam, lParam);
}

LRESULT TEclBrowseEdit::PaintUnderHiddenCaret(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The caret is hidden while the text is drawn under it.
    const bool visible = caretVisible_;
    HideSystemCaret();
    const LRESULT result = fw::WinControl::WndProc(msg, wParam, lParam);
    if (visible) ShowSystemCaret();
    return result;
}

bool TEclBrowseEdit::OnLeftButtonDown(int x, int y, bool shift) {
    if (ButtonRect().Contains(x, y)) return false;  // the button takes it
    if (CanFocus() && !Focused()) SetFocus();
    // The window class has no double-click style (the framework's buttons count every press), so
    // a second press in the same place soon enough selects a word.
    const LONG now = ::GetMessageTime();
    const bool twice = clicked_ && static_cast<DWORD>(now - lastClickTime_) <= ::GetDoubleClickTime() &&
                       std::abs(x - lastClickX_) <= ::GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                       std::abs(y - lastClickY_) <= ::GetSystemMetrics(SM_CYDOUBLECLK) / 2;
    clicked_ = !twice;
    lastClickTime_ = now;
    lastClickX_ = x;
    lastClickY_ = y;
    if (twice) {
        line_.SelectWordAt(ecl::CaretIndexAt(Edges(), x - (TextArea().left + 1) + scroll_));
        Edited(false);
        return true;
    }
    PlaceCaretAt(x, shift);
    dragging_ = true;
    ::SetCapture(Handle());
    return true;
}

void TEclBrowseEdit::OnMouseMove(int x, bool leftHeld) {
    if (dragging_ && leftHeld) PlaceCaretAt(x, true);
}

void TEclBrowseEdit::OnLeftButtonUp() {
    if (!dragging_) return;
    dragging_ = false;
    if (::GetCapture() == Handle()) ::ReleaseCapture();
}

std::size_t TEclBrowseEdit::CopyTextTo(char* out, std::size_t capacity) const {
    if (capacity == 0 || !out) return 0;
    const std::size_t n = std::min(line_.Text().size(), capacity - 1);
    std::copy_n(line_.Text().data(), n, out);
    out[n] = '\0';
    return n;
}

LRESULT TEclBrowseEdit::ReportSelection(DWORD* start, DWORD* end) const {
    const auto from = static_cast<DWORD>(line_.SelStart()), to = static_cast<DWORD>(line_.SelEnd());
    if (start) *start = from;
    if (end) *end = to;
    return MAKELONG(std::min<DWORD>(from, 0xFFFF), std::min<DWORD>(to, 0xFFFF));
}

void TEclBrowseEdit::SelectRange(int start, int end) {
    // As an edit's: -1 for the start removes the selection, -1 for the end runs to the text's end.
    const std::size_t size = line_.Text().size();
    if (start < 0) {
        line_.SetCaret(line_.Caret());
    } else {
        const std::size_t from = std::min<std::size_t>(static_cast<std::size_t>(start), size);
        const std::size_t to = end < 0 ? size : std::min<std::size_t>(static_cast<std::size_t>(end), size);
        line_.Select(std::min(from, to), to > from ? to - from : from - to);
    }
    Edited(false);
}

void TEclBrowseEdit::ReplaceSelection(const char* text, bool undoable) {
    Edited(line_.ReplaceSelection(text ? text : "", ecl::TextLimit(maxLength_), undoable));
}

// As a standard single-line edit's: 0 lifts the limit.
void TEclBrowseEdit::SetLimitText(WPARAM limit) {
    SetMaxLength(static_cast<int>(std::min<WPARAM>(limit, static_cast<WPARAM>(kNoTextLimit))));
}

LRESULT TEclBrowseEdit::LimitText() const { return maxLength_ > 0 ? maxLength_ : kNoTextLimit; }

// A single-line edit answers with the length of its text, whatever index is asked about.
LRESULT TEclBrowseEdit::LineLength() const { return static_cast<LRESULT>(line_.Text().size()); }

// The client position of a character's top left corner; -1 past the last character.
LRESULT TEclBrowseEdit::PositionOfChar(WPARAM index) const {
    if (index >= line_.Text().size()) return -1;
    const fw::Rect area = TextArea();
    const int x = area.left + 1 + Edges()[index] - scroll_;
    return MAKELONG(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(area.top + 1));
}

// The character boundary nearest a client point, on line 0.
LRESULT TEclBrowseEdit::CharAtPoint(LPARAM point) const {
    const std::size_t index = ecl::CaretIndexAt(Edges(), GET_X_LPARAM(point) - (TextArea().left + 1) + scroll_);
    return MAKELONG(static_cast<WORD>(std::min<std::size_t>(index, 0xFFFF)), 0);
}

// Alt+Down presses the button, as it opens a combo box's list.
void TEclBrowseEdit::OnSysKeyDown(WPARAM key, LPARAM flags) {
    constexpr LPARAM kAltHeld = 1 << 29;
    if (key == VK_DOWN && (flags & kAltHeld) != 0) button_->Click();
}
