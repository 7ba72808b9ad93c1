#pragma once
// Clicks repeated while a button is held: the first after the delay, then one each interval.
#include <functional>
#include <memory>

#include "controls/Timer_win.h"

namespace ecl {

class RepeatClicks {
public:
    // Starts counting; each repeat clicks while `held` says the button is held with the pointer on it.
    void Start(int delayMs, int intervalMs, std::function<bool()> held, std::function<void()> click);
    // Stops the repeats; true when one of them clicked since Start.
    bool Stop();

private:
    void Tick();

    std::unique_ptr<TEclTimer> timer_;
    std::function<bool()> held_;
    std::function<void()> click_;
    int interval_ = 0;
    bool clicked_ = false;
};

}  // namespace ecl
