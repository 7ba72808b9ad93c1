#include <windowsx.h>

#include <set>

#include "framework/Accessible_win.h"
#include "framework/Application_win.h"
#include "framework/PartPublisher.h"
#include "framework/Control_win.h"
#include "framework/Handles_win.h"

namespace fw {

namespace {

// Window classes are named after the component class, so that tools can find our windows.
void RegisterWindowClass(const std::string& name, UINT style, WNDPROC proc) {
    static std::set<std::string> registered;
    if (registered.count(name)) return;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = proc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hIcon = ::LoadIconA(::GetModuleHandleA(nullptr), "MAINICON");
    wc.lpszClassName = name.c_str();
    if (!::RegisterClassExA(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
        throw std::runtime_error("Cannot register window class " + name);
    registered.insert(name);
}

// The system's pointer for a cursor; null for crDefault.
LPCSTR SystemCursorId(MouseCursor cursor) {
    switch (cursor) {
        case MouseCursor::crDefault: break;
        case MouseCursor::crArrow: return reinterpret_cast<LPCSTR>(IDC_ARROW);
        case MouseCursor::crIBeam: return reinterpret_cast<LPCSTR>(IDC_IBEAM);
        case MouseCursor::crCross: return reinterpret_cast<LPCSTR>(IDC_CROSS);
        case MouseCursor::crHourGlass: return reinterpret_cast<LPCSTR>(IDC_WAIT);
        case MouseCursor::crHandPoint: return reinterpret_cast<LPCSTR>(IDC_HAND);
    }
    return nullptr;
}

bool IsInput(UINT msg) {
    return (msg >= WM_LBUTTONDOWN && msg <= WM_MBUTTONDBLCLK) || msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_CHAR;
}

}  // namespace

WinControl::WinControl(Component* owner) : Control(owner) {}

WinControl::~WinControl() {
    DestroyHandle();
    accessible_.reset();
    for (Control* c : controls_) c->parent_ = nullptr;
    SetParent(nullptr);
}

const ClassInfo& WinControl::StaticClass() {
    static const ClassInfo info = [] {
        ClassInfo ci("TWinControl", &Control::StaticClass());
        Publish<WinControl>(ci)
            .Property<int>("TabOrder", &WinControl::TabOrder, &WinControl::SetTabOrder)
            .Property<bool>("TabStop", &WinControl::TabStop, &WinControl::SetTabStop)
            .Property<bool>("Ctl3D", &WinControl::Ctl3D, &WinControl::SetCtl3D)
            .Property<bool>("ParentCtl3D", &WinControl::ParentCtl3D, &WinControl::SetParentCtl3D);
        return ci;
    }();
    return info;
}

WinControl* WinControl::FromHandle(HWND hwnd) {
    return hwnd ? reinterpret_cast<WinControl*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA)) : nullptr;
}

HWND WinControl::Handle() {
    if (!handle_) CreateWindowHandle();
    return handle_;
}

void WinControl::GetCreateParams(CreateParams& params) {
    params.caption = Caption();
    params.bounds = BoundsRect();
    if (Visible()) params.style |= WS_VISIBLE;
    if (!Enabled()) params.style |= WS_DISABLED;
    if (Parent()) params.parent = Parent()->Handle();
}

void WinControl::CreateWindowHandle() {
    if (Parent() && !Parent()->HandleAllocated()) {
        Parent()->Handle();  // creating the parent creates this one too
        if (handle_) return;
    }
    CreateParams params;
    GetCreateParams(params);
    const std::string& className = Class().Name();
    RegisterWindowClass(className, params.classStyle, &WinControl::StaticWndProc);
    const Rect& b = params.bounds;
    HWND hwnd =
        ::CreateWindowExA(params.exStyle, className.c_str(), params.caption.c_str(), params.style, b.left, b.top,
                          b.Width(), b.Height(), params.parent, nullptr, ::GetModuleHandleA(nullptr), this);
    if (!hwnd) throw std::runtime_error("Cannot create window " + Name());
    if (Parent()) uiState_ = Parent()->uiState_;  // a new window shows the cues its parent shows
    for (Control* c : controls_)
        if (auto* child = dynamic_cast<WinControl*>(c); child && !child->handle_) child->CreateWindowHandle();
    HandleCreated();
}

void WinControl::DestroyHandle() {
    if (handle_) ::DestroyWindow(handle_);  // WM_NCDESTROY clears handle_
    handle_ = nullptr;
}

void WinControl::Invalidate() {
    if (handle_) ::InvalidateRect(handle_, nullptr, FALSE);
}

void WinControl::ThemeChanged() {
    for (Control* c : controls_) c->ThemeChanged();
    Invalidate();
}

void WinControl::SetBounds(int left, int top, int width, int height) {
    Control::SetBounds(left, top, width, height);
    if (handle_) ::MoveWindow(handle_, left, top, width, height, TRUE);
}

bool WinControl::CanFocus() const {
    for (const Control* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled()) return false;
    return true;
}

bool WinControl::Focused() const { return handle_ && ::GetFocus() == handle_; }

void WinControl::SetFocus() { ::SetFocus(Handle()); }

void WinControl::Repaint() {
    if (handle_) ::RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void WinControl::TextChanged() {
    if (handle_) ::SetWindowTextA(handle_, Caption().c_str());
    Invalidate();
}

void WinControl::EnabledChanged() {
    if (handle_) ::EnableWindow(handle_, Enabled());
    Invalidate();
}

void WinControl::VisibleChanged() {
    if (handle_) ::ShowWindow(handle_, Visible() ? SW_SHOWNA : SW_HIDE);
}

Control* WinControl::ControlAt(int x, int y) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        Control* c = *it;
        if (!c->IsWindowed() && c->Visible() && c->BoundsRect().Contains(x, y)) return c;
    }
    return nullptr;
}

MouseCursor WinControl::CursorAt(int x, int y) const {
    const Control* under = ControlAt(x, y);
    if (under && under->Enabled() && under->Cursor() != MouseCursor::crDefault) return under->Cursor();
    return Cursor();
}

void WinControl::PaintAll(HDC dc, const RECT& area) {
    // Painted into a memory bitmap first so that overlapping windowless controls do not flicker.
    const int w = area.right - area.left, h = area.bottom - area.top;
    if (w <= 0 || h <= 0) return;
    UniqueMemoryDc memDc = NewMemoryDc(dc);
    UniqueBitmap bitmap = NewCompatibleBitmap(dc, w, h);
    SelectScope selectBitmap(memDc.Get(), bitmap.Get());
    ::SetViewportOrgEx(memDc.Get(), -area.left, -area.top, nullptr);
    Canvas canvas(memDc.Get());
    canvas.FillRect(ClientRect(), BackColor());
    Paint(canvas);
    for (Control* c : controls_) {
        if (c->IsWindowed() || !c->Visible()) continue;
        const Rect& b = c->BoundsRect();
        RECT inter, rc{b.left, b.top, b.right, b.bottom};
        if (!::IntersectRect(&inter, &rc, &area)) continue;
        SaveDcScope save(memDc.Get());
        ::SetViewportOrgEx(memDc.Get(), b.left - area.left, b.top - area.top, nullptr);
        ::IntersectClipRect(memDc.Get(), 0, 0, b.Width(), b.Height());
        Canvas childCanvas(memDc.Get());
        c->Paint(childCanvas);
    }
    ::SetViewportOrgEx(memDc.Get(), 0, 0, nullptr);
    ::BitBlt(dc, area.left, area.top, w, h, memDc.Get(), 0, 0, SRCCOPY);
}

void WinControl::RouteMouse(UINT msg, int x, int y) {
    if (msg == WM_LBUTTONDOWN) {
        Control* target = ControlAt(x, y);
        if (target && target->Enabled()) {
            captured_ = target;
            ::SetCapture(handle_);
            target->MouseDown(x - target->Left(), y - target->Top());
        }
        return;
    }
    if (msg == WM_LBUTTONUP) {
        if (Control* target = captured_) {
            captured_ = nullptr;
            ::ReleaseCapture();
            target->MouseUp(x - target->Left(), y - target->Top());
        }
        return;
    }
    // WM_MOUSEMOVE: the captured control follows the mouse; otherwise track hovering.
    if (captured_) {
        captured_->MouseMove(x - captured_->Left(), y - captured_->Top());
        return;
    }
    Control* under = msg == WM_MOUSELEAVE ? nullptr : ControlAt(x, y);
    if (under != hovered_) {
        if (hovered_) hovered_->MouseLeave();
        hovered_ = under;
        if (hovered_) hovered_->MouseEnter();
    }
    if (hovered_) hovered_->MouseMove(x - hovered_->Left(), y - hovered_->Top());
    if (msg == WM_MOUSEMOVE && !trackingLeave_) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, handle_, 0};
        trackingLeave_ = ::TrackMouseEvent(&tme) != FALSE;
    }
}

LRESULT WinControl::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_ERASEBKGND: return 1;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(handle_, &ps);
            PaintAll(dc, ps.rcPaint);
            ::EndPaint(handle_, &ps);
            return 0;
        }
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_MOUSEMOVE: RouteMouse(msg, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)); break;
        case WM_MOUSELEAVE:
            trackingLeave_ = false;
            RouteMouse(msg, -1, -1);
            return 0;
        case WM_THEMECHANGED: ThemeChanged(); break;
        // The keyboard cues are kept here rather than left to the platform, which may not keep
        // them: a change goes up to the top-level window, whose new state comes down to every
        // window in it.
        case WM_CHANGEUISTATE:
            if ((::GetWindowLongPtrA(handle_, GWL_STYLE) & WS_CHILD) != 0)
                ::SendMessageA(::GetParent(handle_), msg, wParam, lParam);
            else
                ::SendMessageA(handle_, WM_UPDATEUISTATE, wParam, lParam);
            return 0;
        case WM_UPDATEUISTATE: {
            const WORD before = uiState_;
            const WORD flags = HIWORD(wParam) & (UISF_HIDEACCEL | UISF_HIDEFOCUS);
            if (LOWORD(wParam) == UIS_CLEAR) uiState_ &= static_cast<WORD>(~flags);
            if (LOWORD(wParam) == UIS_SET || LOWORD(wParam) == UIS_INITIALIZE) uiState_ |= flags;
            for (Control* c : controls_)
                if (auto* child = dynamic_cast<WinControl*>(c); child && child->handle_)
                    ::SendMessageA(child->handle_, msg, wParam, lParam);
            if (before != uiState_) Invalidate();  // captions show or hide their underlines
            return 0;
        }
        case WM_QUERYUISTATE: return uiState_;
        case WM_GETOBJECT:
            if (const LRESULT object = AnswerGetObject(*this, accessible_, wParam, lParam)) return object;
            break;
        case WM_SETCURSOR:
            // Only for this window's own client area; a child window's pointer is the child's.
            if (reinterpret_cast<HWND>(wParam) == handle_ && LOWORD(lParam) == HTCLIENT) {
                POINT p{};
                ::GetCursorPos(&p);
                ::ScreenToClient(handle_, &p);
                if (LPCSTR id = SystemCursorId(CursorAt(p.x, p.y))) {
                    ::SetCursor(::LoadCursorA(nullptr, id));
                    return TRUE;
                }
            }
            break;
        case WM_CAPTURECHANGED:
            if (captured_ && reinterpret_cast<HWND>(lParam) != handle_) {
                Control* lost = captured_;
                captured_ = nullptr;
                lost->MouseUp(-1, -1);  // released outside: no click
            }
            break;
        default:
            if (IsAccessibleActionMessage(msg)) {
                RunAccessibleAction(*this, static_cast<long>(wParam));
                return 0;
            }
            break;
    }
    return DefaultHandler(msg, wParam, lParam);
}

LRESULT WinControl::DefaultHandler(UINT msg, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcA(handle_, msg, wParam, lParam);
}

LRESULT CALLBACK WinControl::StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    WinControl* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<WinControl*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        self->handle_ = hwnd;
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        CountHandle(HandleKind::User, +1);
    } else {
        self = FromHandle(hwnd);
    }
    if (!self) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
        ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        self->accessible_.reset();
        CountHandle(HandleKind::User, -1);
        return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    // The system gives no input to a window under a modal box, but posted input arrives all the same.
    if (IsInput(msg) && !::IsWindowEnabled(::GetAncestor(hwnd, GA_ROOT))) return 0;
    try {
        return self->WndProc(msg, wParam, lParam);
    } catch (...) {
        // Without an application object there is no handler to report to.
        if (Application::Exists()) Application::Instance().HandleCurrentException();
        return 0;
    }
}

}  // namespace fw
