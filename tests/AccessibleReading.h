#pragma once
// Reading controls through oleacc as a screen reader does, for the Windows and end-to-end tests.
#include <windows.h>

#include <oleacc.h>

#include <memory>
#include <string>

namespace accread {

struct ComRelease {
    void operator()(IUnknown* p) const { p->Release(); }
};
using Accessible = std::unique_ptr<IAccessible, ComRelease>;

class ComScope {
public:
    ComScope() { ::CoInitialize(nullptr); }
    ~ComScope() { ::CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;
};

inline Accessible ObjectOf(HWND hwnd) {
    IAccessible* object = nullptr;
    if (FAILED(::AccessibleObjectFromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                            reinterpret_cast<void**>(&object))))
        return nullptr;
    return Accessible(object);
}

inline VARIANT Child(long id) {
    VARIANT v;
    v.vt = VT_I4;
    v.lVal = id;
    return v;
}

inline std::string Narrow(BSTR text) {
    std::string out;
    for (UINT i = 0; text && i < ::SysStringLen(text); ++i) out += static_cast<char>(text[i]);
    ::SysFreeString(text);
    return out;
}

// What a reader reads of one element.
struct Read {
    long role = -1;
    std::string name, value;
    long state = 0;
    std::string action;
};

inline Read ReadOf(IAccessible& object, long id) {
    Read r;
    VARIANT v;
    ::VariantInit(&v);
    if (SUCCEEDED(object.get_accRole(Child(id), &v)) && v.vt == VT_I4) r.role = v.lVal;
    if (SUCCEEDED(object.get_accState(Child(id), &v)) && v.vt == VT_I4) r.state = v.lVal;
    BSTR text = nullptr;
    if (object.get_accName(Child(id), &text) == S_OK) r.name = Narrow(text);
    if (object.get_accValue(Child(id), &text) == S_OK) r.value = Narrow(text);
    if (object.get_accDefaultAction(Child(id), &text) == S_OK) r.action = Narrow(text);
    return r;
}

// The child id of the element named so among the object's simple children; 0 when none is.
inline long ChildNamed(IAccessible& object, const std::string& name) {
    long count = 0;
    object.get_accChildCount(&count);
    for (long id = 1; id <= count; ++id)
        if (ReadOf(object, id).name == name) return id;
    return 0;
}

}  // namespace accread
