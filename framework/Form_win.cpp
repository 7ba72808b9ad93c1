#include "framework/Form_win.h"

#include "framework/PartPublisher.h"
#include "framework/Application_win.h"
#include "framework/Mnemonic_win.h"
#include "framework/TabOrder.h"

namespace fw {

Form::Form(Component* owner) : WinControl(owner) {
    SetVisible(false);
    SetParentColor(false);
    SetParentFont(false);
}

Form::~Form() { DestroyHandle(); }

const ClassInfo& Form::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo ci("TForm", &WinControl::StaticClass());
        Publish<Form>(ci)
            .Property<FormBorderStyle>("BorderStyle", &Form::BorderStyle, &Form::SetBorderStyle)
            .Property<Set<BorderIcon>>("BorderIcons", &Form::BorderIcons, &Form::SetBorderIcons)
            .Property<FormPosition>("Position", &Form::Position, &Form::SetPosition)
            .Property<bool>("Scaled", &Form::Scaled, &Form::SetScaled)
            .Property<int>(
                "ClientWidth", [](const Form& f) { return f.ClientWidth(); },
                [](Form& f, int v) { f.SetClientSize(v, f.ClientHeight()); })
            .Property<int>(
                "ClientHeight", [](const Form& f) { return f.ClientHeight(); },
                [](Form& f, int v) { f.SetClientSize(f.ClientWidth(), v); });
        return ci;
    }();
    return info;
}

void Form::LoadFromResource(const char* resourceName) {
    HMODULE module = ::GetModuleHandleA(nullptr);
    HRSRC res = ::FindResourceA(module, resourceName, MAKEINTRESOURCEA(10));  // RT_RCDATA
    if (!res) throw std::runtime_error(std::string("Resource ") + resourceName + " not found");
    const auto* data = static_cast<const char*>(::LockResource(::LoadResource(module, res)));
    const DWORD size = ::SizeofResource(module, res);
    LoadDescription(*this, ParseDescription(std::string_view(data, size)));
}

void Form::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    CreateParams params;
    GetCreateParams(params);
    RECT r{0, 0, width, height};
    ::AdjustWindowRectEx(&r, params.style, FALSE, params.exStyle);
    SetBounds(Left(), Top(), r.right - r.left, r.bottom - r.top);
}

void Form::SetBorderStyle(FormBorderStyle style) {
    borderStyle_ = style;
    FrameChanged();
}

void Form::SetBorderIcons(Set<BorderIcon> icons) {
    borderIcons_ = icons;
    FrameChanged();
}

// The frame decides how large the window must be for the client size it keeps, so a stored
// client size holds whichever of the two a description names first.
void Form::FrameChanged() {
    if (clientWidth_ > 0 || clientHeight_ > 0) SetClientSize(clientWidth_, clientHeight_);
}

void Form::GetCreateParams(CreateParams& params) {
    WinControl::GetCreateParams(params);
    params.style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    params.exStyle = 0;
    switch (borderStyle_) {
        case FormBorderStyle::bsNone: params.style |= WS_POPUP; break;
        case FormBorderStyle::bsDialog:
            params.style |= WS_CAPTION | DS_MODALFRAME;
            params.exStyle |= WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE;
            break;
        case FormBorderStyle::bsSingle:
        case FormBorderStyle::bsToolWindow: params.style |= WS_CAPTION | WS_BORDER; break;
        case FormBorderStyle::bsSizeable:
        case FormBorderStyle::bsSizeToolWin: params.style |= WS_CAPTION | WS_THICKFRAME; break;
    }
    if (borderStyle_ != FormBorderStyle::bsNone && borderIcons_.Has(BorderIcon::biSystemMenu)) {
        params.style |= WS_SYSMENU;
        const bool dialog = borderStyle_ == FormBorderStyle::bsDialog;
        if (!dialog && borderIcons_.Has(BorderIcon::biMinimize)) params.style |= WS_MINIMIZEBOX;
        if (!dialog && borderIcons_.Has(BorderIcon::biMaximize)) params.style |= WS_MAXIMIZEBOX;
    }
    // Owned by the application window, which carries the taskbar button.
    params.parent = Application::Exists() ? Application::Instance().Handle() : nullptr;
    if (position_ == FormPosition::poScreenCenter) {
        RECT work;
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
        params.bounds = Rect::FromBounds(work.left + (work.right - work.left - Width()) / 2,
                                         work.top + (work.bottom - work.top - Height()) / 2, Width(), Height());
    }
}

void Form::HandleCreated() { InitKeyboardCues(ExistingHandle()); }

void Form::Show() {
    SetVisible(true);
    HWND hwnd = Handle();
    ::ShowWindow(hwnd, SW_SHOW);
    ::SetForegroundWindow(hwnd);
    if (!shownOnce_) {
        shownOnce_ = true;
        SelectNext(false);
    }
    ::UpdateWindow(hwnd);
}

void Form::Close() {
    if (Application::Exists() && Application::Instance().MainForm() == this) {
        Application::Instance().Terminate();
    }
    SetVisible(false);
}

NotifyEvent Form::FindMethod(std::string_view name) {
    auto it = methods_.find(name);
    const auto* handler = it == methods_.end() ? nullptr : std::any_cast<NotifyEvent>(&it->second);
    return handler ? *handler : NotifyEvent{};
}

std::any Form::FindHandler(std::string_view name) {
    auto it = methods_.find(name);
    return it == methods_.end() ? std::any() : it->second;
}

void Form::CollectTabControls(const WinControl& parent, std::vector<WinControl*>& out) const {
    for (Control* c : parent.Controls()) {
        auto* w = dynamic_cast<WinControl*>(c);
        if (!w) continue;
        out.push_back(w);
    }
}

std::vector<WinControl*> Form::TabControls() const {
    std::vector<WinControl*> controls;
    CollectTabControls(*this, controls);
    return controls;
}

bool Form::SelectNext(bool backwards) {
    const std::vector<WinControl*> controls = TabControls();
    std::vector<TabEntry> entries;
    int current = -1;
    HWND focus = ::GetFocus();
    for (size_t i = 0; i < controls.size(); ++i) {
        WinControl* c = controls[i];
        entries.push_back({c->TabOrder(), c->TabStop() && c->CanFocus()});
        if (c->HandleAllocated() && (focus == c->Handle() || ::IsChild(c->Handle(), focus)))
            current = static_cast<int>(i);
    }
    const int next = NextTabStop(entries, current, backwards);
    if (next < 0) return false;
    controls[static_cast<size_t>(next)]->SetFocus();
    return true;
}

bool HandleTabKey(const MSG& msg) {
    const auto held = [](int key) { return (::GetKeyState(key) & 0x8000) != 0; };
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_TAB || held(VK_CONTROL) || held(VK_MENU)) return false;
    auto* form = dynamic_cast<Form*>(WinControl::FromHandle(::GetAncestor(msg.hwnd, GA_ROOT)));
    return form && form->SelectNext(held(VK_SHIFT));
}

bool HandleHelpKey(const MSG& msg) {
    const auto held = [](int key) { return (::GetKeyState(key) & 0x8000) != 0; };
    if (msg.message != WM_KEYDOWN || msg.wParam != VK_F1 || held(VK_SHIFT) || held(VK_CONTROL) || held(VK_MENU))
        return false;
    HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
    if (!dynamic_cast<Form*>(WinControl::FromHandle(root))) return false;
    HELPINFO info{};
    info.cbSize = sizeof info;
    info.iContextType = HELPINFO_WINDOW;
    info.iCtrlId = static_cast<int>(::GetWindowLongPtrA(msg.hwnd, GWLP_ID));
    info.hItemHandle = msg.hwnd;
    ::GetCursorPos(&info.MousePos);
    ::SendMessageA(root, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
    return true;
}

LRESULT Form::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_CLOSE: Close(); return 0;
        // Only top-level windows hear of these: the drawn colours may follow another setting now.
        case WM_SETTINGCHANGE:
        case WM_SYSCOLORCHANGE:
            RefreshHighContrast();
            ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
            return WinControl::WndProc(msg, wParam, lParam);
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus && ::IsChild(Handle(), focus)) lastFocus_ = focus;
            } else if (lastFocus_ && ::IsWindow(lastFocus_)) {
                ::SetFocus(lastFocus_);
                return 0;
            } else if (shownOnce_ && !SelectNext(false)) {
                ::SetFocus(Handle());
            }
            return 0;
        default: return WinControl::WndProc(msg, wParam, lParam);
    }
}

}  // namespace fw
