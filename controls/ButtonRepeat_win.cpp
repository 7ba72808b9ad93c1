#include "controls/ButtonRepeat_win.h"

#include <utility>

namespace ecl {

void RepeatClicks::Start(int delayMs, int intervalMs, std::function<bool()> held, std::function<void()> click) {
    held_ = std::move(held);
    click_ = std::move(click);
    interval_ = intervalMs;
    clicked_ = false;
    timer_ = std::make_unique<TEclTimer>(delayMs, true, [this] { Tick(); });
}

bool RepeatClicks::Stop() {
    timer_.reset();
    return std::exchange(clicked_, false);
}

void RepeatClicks::Tick() {
    timer_->SetInterval(interval_);
    if (!held_()) return;
    clicked_ = true;
    // The click may stop the repeats or free the button: nothing of this object is touched after it.
    const std::function<void()> click = click_;
    click();
}

}  // namespace ecl
