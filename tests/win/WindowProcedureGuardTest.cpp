// The window procedure's guard with no application object to report to: an exception thrown by a
// handler stops at the window procedure, the sender gets 0, and the window goes on answering. A
// message-only window serves, so the 32-bit build runs this too, where unwinding differs most.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/Application_win.h"
#include "framework/Control_win.h"

namespace {

constexpr UINT kThrowStd = WM_APP + 1;
constexpr UINT kThrowOther = WM_APP + 2;
constexpr UINT kCount = WM_APP + 3;

class ThrowingWindow : public fw::WinControl {
public:
    ThrowingWindow() : fw::WinControl(nullptr) {}
    int handled = 0;

protected:
    void GetCreateParams(CreateParams& params) override {
        fw::WinControl::GetCreateParams(params);
        params.style = 0;
        params.parent = HWND_MESSAGE;
    }
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
            case kThrowStd: throw std::runtime_error("Cannot read the site folder");
            case kThrowOther: throw 42;
            case kCount: return ++handled;
            default: return fw::WinControl::WndProc(msg, wParam, lParam);
        }
    }
};

TEST(WindowProcedureGuard, AnExceptionStopsThereWithoutAnApplicationAndTheWindowGoesOn) {
    ASSERT_FALSE(fw::Application::Exists());
    ThrowingWindow window;
    const HWND hwnd = window.Handle();
    ASSERT_NE(hwnd, nullptr);
    for (UINT msg : {kThrowStd, kThrowOther, kThrowStd}) {
        SCOPED_TRACE(msg);
        EXPECT_EQ(::SendMessageA(hwnd, msg, 0, 0), 0);
        EXPECT_TRUE(::IsWindow(hwnd));
    }
    EXPECT_EQ(::SendMessageA(hwnd, kCount, 0, 0), 1);
    EXPECT_EQ(::SendMessageA(hwnd, kCount, 0, 0), 2);
}

}  // namespace
