#pragma once

#include <windows.h>

#include <chrono>

namespace e2e {

using namespace std::chrono_literals;

// Long enough for a cold program start under Wine; every wait in the driver is bounded by it.
inline constexpr std::chrono::milliseconds kDefaultTimeout = 10s;
inline constexpr std::chrono::milliseconds kPollInterval = 20ms;

// Polls the condition until it holds or the time-out passes; returns whether it held.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds timeout = kDefaultTimeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        Sleep(static_cast<DWORD>(kPollInterval.count()));
    }
}

// Polls until the producer yields a non-null value (a window handle, say) or the time-out passes.
template <typename Producer>
auto WaitFor(Producer producer, std::chrono::milliseconds timeout = kDefaultTimeout) -> decltype(producer()) {
    decltype(producer()) result{};
    WaitUntil([&] { return (result = producer()) != decltype(result){}; }, timeout);
    return result;
}

}  // namespace e2e
