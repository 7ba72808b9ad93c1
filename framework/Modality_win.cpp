#include "framework/Modality_win.h"

#include <new>

#include "framework/Application_win.h"
#include "framework/Form_win.h"

namespace fw {

HWND ModalOwner() {
    if (HWND active = ::GetActiveWindow()) return active;
    if (!Application::Exists()) return nullptr;
    Application& app = Application::Instance();
    if (Form* main = app.MainForm(); main && main->HandleAllocated()) return main->Handle();
    return app.Handle();
}

DisabledWindows::DisabledWindows(HWND except) : except_(except) {
    ::EnumThreadWindows(::GetCurrentThreadId(), &Collect, reinterpret_cast<LPARAM>(this));
    if (!complete_) throw std::bad_alloc();
    for (HWND hwnd : windows_) ::EnableWindow(hwnd, FALSE);
}

void DisabledWindows::Release() noexcept {
    for (HWND hwnd : windows_)
        if (::IsWindow(hwnd)) ::EnableWindow(hwnd, TRUE);
    windows_.clear();
}

BOOL CALLBACK DisabledWindows::Collect(HWND hwnd, LPARAM self) noexcept {
    auto* me = reinterpret_cast<DisabledWindows*>(self);
    if (hwnd == me->except_ || !::IsWindowVisible(hwnd) || !::IsWindowEnabled(hwnd)) return TRUE;
    try {
        me->windows_.push_back(hwnd);
    } catch (...) {
        me->complete_ = false;
        return FALSE;
    }
    return TRUE;
}

}  // namespace fw
