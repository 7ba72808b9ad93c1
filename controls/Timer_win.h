#pragma once
// A small owned timer: an interval in milliseconds, an enabled flag and one tick callback, running
// on a window-system timer of its own (a hidden message window per timer, on the user-interface
// thread). The label's twinkle runs on one.
#include <windows.h>

#include <functional>

#include "framework/Change.h"
#include "framework/Handles_win.h"

class TEclTimer {
public:
    // Starts at once when enabled and the interval is above 0. Throws std::runtime_error
    // ("Not enough timers available") when the window system refuses a timer.
    TEclTimer(int intervalMs, bool enabled, std::function<void()> onTick);
    ~TEclTimer();
    TEclTimer(const TEclTimer&) = delete;
    TEclTimer& operator=(const TEclTimer&) = delete;

    int Interval() const { return interval_; }
    // The same value changes nothing; another one restarts the count. 0 stops the ticks.
    void SetInterval(int intervalMs) { fw::Change(interval_, intervalMs, this, &TEclTimer::Restart); }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { fw::Change(enabled_, enabled, this, &TEclTimer::Restart); }

private:
    void Restart();
    static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

    fw::UniqueWindow window_;
    int interval_ = 0;
    bool enabled_ = false;
    std::function<void()> onTick_;
};
