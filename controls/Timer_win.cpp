#include "controls/Timer_win.h"

#include <stdexcept>

#include "framework/Application_win.h"

namespace {

constexpr const char* kWindowClass = "TEclTimerWindow";
constexpr UINT_PTR kTimerId = 1;

void RegisterTimerClass(WNDPROC proc) {
    static const bool registered = [proc] {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = proc;
        wc.hInstance = ::GetModuleHandleA(nullptr);
        wc.lpszClassName = kWindowClass;
        return ::RegisterClassExA(&wc) != 0 || ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    if (!registered) throw std::runtime_error("Not enough timers available");
}

}  // namespace

TEclTimer::TEclTimer(int intervalMs, bool enabled, std::function<void()> onTick)
    : interval_(intervalMs), enabled_(enabled), onTick_(std::move(onTick)) {
    RegisterTimerClass(&TEclTimer::WndProc);
    window_ = fw::NewWindow(0, kWindowClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE);
    if (!window_) throw std::runtime_error("Not enough timers available");
    ::SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    Restart();
}

TEclTimer::~TEclTimer() {
    ::KillTimer(window_.Get(), kTimerId);
    ::SetWindowLongPtrA(window_.Get(), GWLP_USERDATA, 0);
}

void TEclTimer::Restart() {
    ::KillTimer(window_.Get(), kTimerId);
    if (!enabled_ || interval_ <= 0) return;
    if (!::SetTimer(window_.Get(), kTimerId, static_cast<UINT>(interval_), nullptr))
        throw std::runtime_error("Not enough timers available");
}

LRESULT CALLBACK TEclTimer::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    if (msg == WM_TIMER && wParam == kTimerId) {
        auto* self = reinterpret_cast<TEclTimer*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (!self || !self->onTick_) return 0;
        try {
            // The tick may discard this timer: nothing of it is touched afterwards.
            std::function<void()> tick = self->onTick_;
            tick();
        } catch (...) {
            if (fw::Application::Exists()) fw::Application::Instance().HandleCurrentException();
        }
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}
