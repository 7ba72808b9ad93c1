#include "framework/Accessible_win.h"

#include <oleacc.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "framework/AccessibleLayout.h"
#include "framework/Control_win.h"
#include "framework/Handles_win.h"

namespace fw {

static_assert(static_cast<long>(AccessibleRole::Grouping) == ROLE_SYSTEM_GROUPING);
static_assert(static_cast<long>(AccessibleRole::StaticText) == ROLE_SYSTEM_STATICTEXT);
static_assert(static_cast<long>(AccessibleRole::Text) == ROLE_SYSTEM_TEXT);
static_assert(static_cast<long>(AccessibleRole::PushButton) == ROLE_SYSTEM_PUSHBUTTON);
static_assert(static_cast<long>(AccessibleRole::RadioButton) == ROLE_SYSTEM_RADIOBUTTON);
static_assert(static_cast<long>(AccessibleRole::Link) == ROLE_SYSTEM_LINK);
static_assert(accessible_state::kUnavailable == STATE_SYSTEM_UNAVAILABLE);
static_assert(accessible_state::kFocused == STATE_SYSTEM_FOCUSED);
static_assert(accessible_state::kChecked == STATE_SYSTEM_CHECKED);
static_assert(accessible_state::kReadOnly == STATE_SYSTEM_READONLY);
static_assert(accessible_state::kDefault == STATE_SYSTEM_DEFAULT);
static_assert(accessible_state::kInvisible == STATE_SYSTEM_INVISIBLE);
static_assert(accessible_state::kFocusable == STATE_SYSTEM_FOCUSABLE);
static_assert(accessible_state::kLinked == STATE_SYSTEM_LINKED);

namespace {

// oleacc and oleaut32, loaded on the first request and kept for the rest of the run.
struct OleApi {
    HRESULT(WINAPI* createStdObject)(HWND, LONG, REFIID, void**) = nullptr;
    LRESULT(WINAPI* lresultFromObject)(REFIID, WPARAM, LPUNKNOWN) = nullptr;
    HRESULT(WINAPI* objectFromWindow)(HWND, DWORD, REFIID, void**) = nullptr;
    BSTR(WINAPI* allocString)(const OLECHAR*, UINT) = nullptr;
    HRESULT(WINAPI* initializeCom)(LPVOID, DWORD) = nullptr;
};

template <class F>
void Bind(F& function, HMODULE module, const char* name) {
    const FARPROC proc = module ? ::GetProcAddress(module, name) : nullptr;
    function = reinterpret_cast<F>(reinterpret_cast<void (*)()>(proc));
}

const OleApi* Ole() {
    static UniqueModule oleacc;
    static UniqueModule oleaut;
    static OleApi api;
    static bool tried = false;
    if (!tried) {
        tried = true;
        oleacc.Reset(::LoadLibraryA("oleacc.dll"));
        oleaut.Reset(::LoadLibraryA("oleaut32.dll"));
        Bind(api.createStdObject, oleacc.Get(), "CreateStdAccessibleObject");
        Bind(api.lresultFromObject, oleacc.Get(), "LresultFromObject");
        Bind(api.objectFromWindow, oleacc.Get(), "AccessibleObjectFromWindow");
        Bind(api.allocString, oleaut.Get(), "SysAllocStringLen");
        // oleacc brings ole32 in with it.
        Bind(api.initializeCom, oleacc ? ::GetModuleHandleA("ole32.dll") : nullptr, "CoInitializeEx");
        // Readers in other processes reach the object through COM, which the window's thread must
        // have joined; it stays joined for the rest of the run.
        if (api.initializeCom) api.initializeCom(nullptr, COINIT_APARTMENTTHREADED);
    }
    const bool complete =
        api.createStdObject && api.lresultFromObject && api.objectFromWindow && api.allocString && api.initializeCom;
    return complete ? &api : nullptr;
}

BSTR ToBstr(const std::string& text) {
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return Ole()->allocString(wide.data(), static_cast<UINT>(length));
}

std::string FromBstr(BSTR text) {
    if (!text) return {};
    const int wideLength = static_cast<int>(::wcslen(text));
    const int length = ::WideCharToMultiByte(CP_ACP, 0, text, wideLength, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(length), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text, wideLength, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

HWND WindowOf(const Control& control) {
    const auto* window = dynamic_cast<const WinControl*>(&control);
    return window ? window->ExistingHandle() : nullptr;
}

// A text field without a name of its own is named by the static text just above it.
std::string NameOf(const Control& control, const AccessibleInfo& info) {
    if (!info.name.empty() || info.role != AccessibleRole::Text || !control.Parent()) return info.name;
    std::vector<Rect> rects;
    std::vector<std::string> names;
    for (const Control* sibling : control.Parent()->Controls()) {
        AccessibleInfo label;
        if (sibling->IsWindowed() || !sibling->Visible() || !sibling->Describe(label) ||
            label.role != AccessibleRole::StaticText)
            continue;
        rects.push_back(sibling->BoundsRect());
        names.push_back(label.name);
    }
    const int above = LabelAbove(control.BoundsRect(), rects);
    return above < 0 ? std::string() : names[static_cast<size_t>(above)];
}

unsigned long StateOf(const Control& control, const AccessibleInfo& info) {
    namespace st = accessible_state;
    unsigned long state = info.state;
    if (const HWND hwnd = WindowOf(control)) {
        if (!::IsWindowEnabled(hwnd)) state |= st::kUnavailable;
        if (!::IsWindowVisible(hwnd)) state |= st::kInvisible;
        const auto& window = static_cast<const WinControl&>(control);
        if (info.role != AccessibleRole::Grouping && window.CanFocus()) state |= st::kFocusable;
        if (::GetFocus() == hwnd) state |= st::kFocused;
    } else {
        if (!control.Enabled()) state |= st::kUnavailable;
        if (!control.Visible()) state |= st::kInvisible;
    }
    return state;
}

UINT g_actionMessage = 0;

UINT ActionMessage() {
    if (!g_actionMessage) g_actionMessage = ::RegisterWindowMessageA("TilloraStockdrawAccessibleAction");
    return g_actionMessage;
}

// A child window's own object, as a reader walking the tree is handed it.
HRESULT WindowObject(HWND hwnd, IDispatch** out) {
    return Ole()->objectFromWindow(hwnd, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                   reinterpret_cast<void**>(out));
}

std::optional<std::string> Unless(std::string text) {
    if (text.empty()) return std::nullopt;
    return text;
}

void Clear(VARIANT* out) {
    out->vt = VT_EMPTY;
    out->lVal = 0;
}

template <class Body>
HRESULT Guarded(Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        return E_FAIL;
    }
}

}  // namespace

class AccessibleObject final : public IAccessible, public IOleWindow {
public:
    AccessibleObject(WinControl& control, HWND hwnd, IAccessible* base)
        : control_(&control), hwnd_(hwnd), base_(base) {}
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    void Disconnect() {
        control_ = nullptr;
        if (base_) std::exchange(base_, nullptr)->Release();
    }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible))
            *out = static_cast<IAccessible*>(this);
        else if (iid == __uuidof(IOleWindow))
            *out = static_cast<IOleWindow*>(this);
        else
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&refs_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = ::InterlockedDecrement(&refs_);
        if (left == 0) {
            Disconnect();
            delete this;
        }
        return static_cast<ULONG>(left);
    }

    // IDispatch: the methods are called directly; nothing is offered through Invoke.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override {
        if (info) *info = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* hwnd) override {
        if (!hwnd) return E_POINTER;
        *hwnd = control_ ? hwnd_ : nullptr;
        return control_ ? S_OK : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

    // IAccessible: what the standard object knows of the window (parent, focus, selection, help).
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (parent) *parent = nullptr;
        return control_ ? base_->get_accParent(parent) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (focus) Clear(focus);
        return control_ ? base_->get_accFocus(focus) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (selection) Clear(selection);
        return control_ ? base_->get_accSelection(selection) : CO_E_OBJNOTCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        return SelfOnly(child, out, [&] { return base_->get_accDescription(child, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* out) override {
        return SelfOnly(child, out, [&] { return base_->get_accHelp(child, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* out) override {
        return SelfOnly(child, out, [&] { return base_->get_accKeyboardShortcut(child, out); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override {
        return SelfOnly(child, file, [&] { return base_->get_accHelpTopic(file, child, topic); });
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override {
        BSTR unused = nullptr;
        return SelfOnly(child, &unused, [&] { return base_->accSelect(flags, child); });
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override {
        return control_ ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
    }

    // IAccessible: what the controls say.
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        if (!control_) return CO_E_OBJNOTCONNECTED;
        return Guarded([&] {
            *count = static_cast<long>(AccessibleChildren(*control_).size());
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Resolved(child, [&](Control& target, bool self) -> HRESULT {
            if (self) return E_INVALIDARG;
            const HWND hwnd = WindowOf(target);
            if (!hwnd) return S_FALSE;  // a simple element, answered by this object
            return WindowObject(hwnd, out);
        });
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        return Text(child, out, &IAccessible::get_accName,
                    [](const Control& c, const AccessibleInfo& info) { return Unless(NameOf(c, info)); });
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        return Text(child, out, &IAccessible::get_accValue,
                    [](const Control&, const AccessibleInfo& info) { return info.value; });
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        return Text(child, out, &IAccessible::get_accDefaultAction,
                    [](const Control&, const AccessibleInfo& info) { return Unless(info.defaultAction); });
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        if (!out) return E_POINTER;
        Clear(out);
        return Resolved(child, [&](Control& target, bool self) -> HRESULT {
            AccessibleInfo info;
            if (!target.Describe(info)) {
                if (self) return base_->get_accRole(child, out);
                info.role = AccessibleRole::Client;
            }
            out->vt = VT_I4;
            out->lVal = static_cast<long>(info.role);
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        if (!out) return E_POINTER;
        Clear(out);
        return Resolved(child, [&](Control& target, bool) -> HRESULT {
            AccessibleInfo info;
            target.Describe(info);
            out->vt = VT_I4;
            out->lVal = static_cast<long>(StateOf(target, info));
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        *left = *top = *width = *height = 0;
        return Resolved(child, [&](Control& target, bool self) -> HRESULT {
            RECT r{};
            if (self) {
                ::GetClientRect(hwnd_, &r);
                ::MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&r), 2);
            } else if (const HWND hwnd = WindowOf(target)) {
                ::GetWindowRect(hwnd, &r);
            } else {
                const Rect& b = target.BoundsRect();
                r = {b.left, b.top, b.right, b.bottom};
                ::MapWindowPoints(hwnd_, nullptr, reinterpret_cast<POINT*>(&r), 2);
            }
            *left = r.left;
            *top = r.top;
            *width = r.right - r.left;
            *height = r.bottom - r.top;
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* out) override {
        if (!out) return E_POINTER;
        Clear(out);
        return Resolved(start, [&](Control&, bool self) -> HRESULT {
            const std::vector<Control*> children = AccessibleChildren(*control_);
            std::vector<Rect> rects(children.size());
            std::transform(children.begin(), children.end(), rects.begin(),
                           [](const Control* c) { return c->BoundsRect(); });
            if (self) {
                if (direction == NAVDIR_FIRSTCHILD)
                    return Element(children, Navigate(rects, -1, NavDirection::First), out);
                if (direction == NAVDIR_LASTCHILD)
                    return Element(children, Navigate(rects, -1, NavDirection::Last), out);
                return base_->accNavigate(direction, start, out);
            }
            NavDirection way{};
            switch (direction) {
                case NAVDIR_UP: way = NavDirection::Up; break;
                case NAVDIR_DOWN: way = NavDirection::Down; break;
                case NAVDIR_LEFT: way = NavDirection::Left; break;
                case NAVDIR_RIGHT: way = NavDirection::Right; break;
                case NAVDIR_NEXT: way = NavDirection::Next; break;
                case NAVDIR_PREVIOUS: way = NavDirection::Previous; break;
                case NAVDIR_FIRSTCHILD:
                case NAVDIR_LASTCHILD: return S_FALSE;  // a child element has no children
                default: return E_INVALIDARG;
            }
            return Element(children, Navigate(rects, start.lVal - 1, way), out);
        });
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        if (!out) return E_POINTER;
        Clear(out);
        if (!control_) return CO_E_OBJNOTCONNECTED;
        return Guarded([&]() -> HRESULT {
            POINT p{x, y};
            ::ScreenToClient(hwnd_, &p);
            RECT client{};
            ::GetClientRect(hwnd_, &client);
            if (!::PtInRect(&client, p)) return S_FALSE;
            const HWND under = ::ChildWindowFromPointEx(hwnd_, p, CWP_SKIPINVISIBLE);
            if (under && under != hwnd_) {
                out->vt = VT_DISPATCH;
                return WindowObject(under, &out->pdispVal);
            }
            const std::vector<Control*> children = AccessibleChildren(*control_);
            out->vt = VT_I4;
            out->lVal = CHILDID_SELF;
            // The topmost is the last painted, the last created.
            for (auto it = control_->Controls().rbegin(); it != control_->Controls().rend(); ++it) {
                const auto found = std::find(children.begin(), children.end(), *it);
                if (found == children.end() || (*it)->IsWindowed() || !(*it)->BoundsRect().Contains(p.x, p.y)) continue;
                out->lVal = static_cast<long>(found - children.begin()) + 1;
                break;
            }
            return S_OK;
        });
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return Resolved(child, [&](Control& target, bool self) -> HRESULT {
            AccessibleInfo info;
            if (!target.Describe(info)) return self ? base_->accDoDefaultAction(child) : DISP_E_MEMBERNOTFOUND;
            if (info.defaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
            if (StateOf(target, info) & accessible_state::kUnavailable) return E_FAIL;
            return ::PostMessageA(hwnd_, ActionMessage(), static_cast<WPARAM>(child.lVal), 0) ? S_OK : E_FAIL;
        });
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return Resolved(child, [&](Control& target, bool self) -> HRESULT {
            AccessibleInfo info;
            if (!target.Describe(info)) return self ? base_->put_accValue(child, value) : DISP_E_MEMBERNOTFOUND;
            return target.SetAccessibleValue(FromBstr(value)) ? S_OK : E_ACCESSDENIED;
        });
    }

private:
    // Runs body with the control a child id names (the window's own for CHILDID_SELF).
    template <class Body>
    HRESULT Resolved(const VARIANT& child, Body&& body) {
        if (!control_) return CO_E_OBJNOTCONNECTED;
        return Guarded([&]() -> HRESULT {
            if (child.vt != VT_I4) return E_INVALIDARG;
            if (child.lVal == CHILDID_SELF) return body(*control_, true);
            const std::vector<Control*> children = AccessibleChildren(*control_);
            if (child.lVal < 1 || static_cast<size_t>(child.lVal) > children.size()) return E_INVALIDARG;
            return body(*children[static_cast<size_t>(child.lVal) - 1], false);
        });
    }

    // A text property: from the control's description, else the standard object's for the window.
    template <class Read>
    HRESULT Text(const VARIANT& child, BSTR* out, HRESULT (STDMETHODCALLTYPE IAccessible::*standard)(VARIANT, BSTR*),
                 Read read) {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Resolved(child, [&](Control& target, bool self) -> HRESULT {
            AccessibleInfo info;
            if (!target.Describe(info)) return self ? (base_->*standard)(child, out) : S_FALSE;
            const std::optional<std::string> text = read(target, info);
            if (!text) return S_FALSE;
            *out = ToBstr(*text);
            return *out ? S_OK : E_OUTOFMEMORY;
        });
    }

    // What the standard object knows of the window; nothing for a child element.
    template <class Ask>
    HRESULT SelfOnly(const VARIANT& child, BSTR* out, Ask&& ask) {
        if (!out) return E_POINTER;
        *out = nullptr;
        return Resolved(child, [&](Control&, bool self) -> HRESULT { return self ? ask() : S_FALSE; });
    }

    // The element at an index of the children: a child id, or the object of a child window.
    static HRESULT Element(const std::vector<Control*>& children, int index, VARIANT* out) {
        if (index < 0) return S_FALSE;
        if (const HWND hwnd = WindowOf(*children[static_cast<size_t>(index)])) {
            out->vt = VT_DISPATCH;
            return WindowObject(hwnd, &out->pdispVal);
        }
        out->vt = VT_I4;
        out->lVal = index + 1;
        return S_OK;
    }

    LONG refs_ = 1;
    WinControl* control_;
    HWND hwnd_;
    IAccessible* base_;
};

LRESULT AnswerGetObject(WinControl& control, AccessibleReference& object, WPARAM wParam, LPARAM lParam) {
    if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT) || !control.HandleAllocated()) return 0;
    const OleApi* api = Ole();
    if (!api) return 0;
    const HWND hwnd = control.ExistingHandle();
    if (!object) {
        IAccessible* base = nullptr;
        if (FAILED(api->createStdObject(hwnd, OBJID_CLIENT, __uuidof(IAccessible), reinterpret_cast<void**>(&base))) ||
            !base)
            return 0;
        object.reset(new AccessibleObject(control, hwnd, base));
    }
    const LRESULT answer =
        api->lresultFromObject(__uuidof(IAccessible), wParam, static_cast<IAccessible*>(object.get()));
    return answer > 0 ? answer : 0;
}

void DisconnectAccessible::operator()(AccessibleObject* object) const {
    object->Disconnect();
    object->Release();
}

bool IsAccessibleActionMessage(UINT msg) { return msg != 0 && msg == g_actionMessage; }

void RunAccessibleAction(WinControl& control, long childId) {
    if (childId == CHILDID_SELF) {
        control.DoDefaultAction();
        return;
    }
    const std::vector<Control*> children = AccessibleChildren(control);
    if (childId >= 1 && static_cast<size_t>(childId) <= children.size())
        children[static_cast<size_t>(childId) - 1]->DoDefaultAction();
}

std::vector<Control*> AccessibleChildren(const WinControl& control) {
    std::vector<Control*> shown;
    std::vector<Rect> rects;
    for (Control* c : control.Controls()) {
        AccessibleInfo info;
        const bool present = c->IsWindowed() ? WindowOf(*c) != nullptr : c->Describe(info);
        if (!c->Visible() || !present) continue;
        shown.push_back(c);
        rects.push_back(c->BoundsRect());
    }
    std::vector<Control*> ordered;
    for (int i : ReadingOrder(rects)) ordered.push_back(shown[static_cast<size_t>(i)]);
    return ordered;
}

void NotifyAccessible(Control& control, unsigned long event) {
    if (const HWND hwnd = WindowOf(control)) {
        ::NotifyWinEvent(event, hwnd, OBJID_CLIENT, CHILDID_SELF);
        return;
    }
    WinControl* parent = control.Parent();
    if (!parent || !parent->HandleAllocated()) return;
    const std::vector<Control*> children = AccessibleChildren(*parent);
    const auto found = std::find(children.begin(), children.end(), &control);
    if (found != children.end())
        ::NotifyWinEvent(event, parent->ExistingHandle(), OBJID_CLIENT,
                         static_cast<LONG>(found - children.begin()) + 1);
}

}  // namespace fw
