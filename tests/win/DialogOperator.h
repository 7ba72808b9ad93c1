#pragma once
// Operating a modal dialog from a second thread, the way a user would: wait for the dialog that
// the test thread is about to show, read it, act on it, and see that it closes.
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <utility>

namespace wintest {

std::string WindowText(HWND hwnd);
std::string ClassName(HWND hwnd);

// The first visible top-level window of the thread that match accepts, or null.
HWND FindThreadWindow(DWORD threadId, const std::function<bool(HWND)>& match);

// Watches, from a second thread, for the dialog that the current thread is about to show; reads it
// once it is visible, then acts on it. Should the dialog not appear or not close in time, the
// dialog's modal loop is ended with a quit message, so that a failing test never hangs.
template <class Seen>
class DialogOperator {
public:
    // The dialog of the thread, once it shows (null until then).
    using Finder = std::function<HWND(DWORD threadId)>;
    // What the test checks of the dialog, read before acting on it.
    using Reader = std::function<Seen(HWND dlg, DWORD threadId)>;
    // What the user does to the dialog.
    using Actor = std::function<void(HWND dlg, DWORD threadId, const Seen& seen)>;

    struct Outcome {
        std::optional<Seen> seen;  // empty when no dialog appeared
        bool closedInTime = false;
    };

    DialogOperator(Finder find, Reader read, Actor act)
        : threadId_(::GetCurrentThreadId()),
          thread_(
              [this, find = std::move(find), read = std::move(read), act = std::move(act)] { Run(find, read, act); }) {}
    ~DialogOperator() {
        if (thread_.joinable()) thread_.join();
    }
    DialogOperator(const DialogOperator&) = delete;
    DialogOperator& operator=(const DialogOperator&) = delete;

    // Call once the dialog call has returned.
    Outcome Finish() {
        thread_.join();
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        return outcome_;
    }

private:
    using Clock = std::chrono::steady_clock;
    static constexpr auto kTimeout = std::chrono::seconds(10);

    void Run(const Finder& find, const Reader& read, const Actor& act) {
        const auto deadline = Clock::now() + kTimeout;
        HWND dlg = nullptr;
        while (!(dlg = find(threadId_)) && Clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        if (!dlg) {
            ::PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
            return;
        }
        outcome_.seen = read(dlg, threadId_);
        act(dlg, threadId_, *outcome_.seen);
        const auto closeDeadline = Clock::now() + kTimeout;
        while (::IsWindow(dlg) && Clock::now() < closeDeadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        outcome_.closedInTime = !::IsWindow(dlg);
        if (!outcome_.closedInTime) ::PostThreadMessageA(threadId_, WM_QUIT, 0, 0);
    }

    DWORD threadId_;
    Outcome outcome_;
    std::thread thread_;  // last: it runs on the members above
};

}  // namespace wintest
