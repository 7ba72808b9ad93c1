// The application object and a form read from a description, with real windows: values and
// handlers arrive, the message loop ends as asked, and an exception in a handler is reported
// in a message box while the program keeps running.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "framework/Application_win.h"
#include "framework/Form_win.h"
#include "framework/StdControls_win.h"

namespace {

constexpr auto kTimeout = std::chrono::seconds(10);

class TestForm : public fw::Form {
public:
    explicit TestForm(fw::Component* owner) : fw::Form(owner) {
        PublishMethod("LabelClick", [this](fw::Component& sender) {
            clicks.push_back(sender.Name());
            if (throwOnClick) throw std::runtime_error("Cannot read the site folder");
        });
    }
    static const fw::ClassInfo& StaticClass() {
        static const fw::ClassInfo info("TTestForm", &fw::Form::StaticClass());
        return info;
    }
    const fw::ClassInfo& Class() const override { return StaticClass(); }

    void Load(const char* text) { fw::LoadDescription(*this, fw::ParseDescription(text)); }

    std::vector<std::string> clicks;
    bool throwOnClick = false;
};

constexpr const char* kDescription = R"(object TestForm1: TTestForm
  Left = 40
  Top = 30
  Caption = 'Form under test'
  ClientWidth = 300
  ClientHeight = 200
  BorderStyle = bsDialog
  Color = $0080FFFF
  object Label1: TLabel
    Left = 10
    Top = 20
    Caption = 'Grab Data From:'
    OnClick = LabelClick
  end
end
)";

// Runs `action` on every top-level window of this thread that appears within the time-out, from
// a timer on the message loop; used while Run() or a modal box holds the thread.
class WindowWatcher {
public:
    WindowWatcher() { instance_ = this; }
    ~WindowWatcher() {
        if (timer_) ::KillTimer(nullptr, timer_);
        instance_ = nullptr;
    }
    void Start() { timer_ = ::SetTimer(nullptr, 0, 20, &WindowWatcher::Tick); }

    std::chrono::steady_clock::time_point deadline = std::chrono::steady_clock::now() + kTimeout;
    // Called with each visible top-level window; returns true when the watch is over.
    std::function<bool(HWND)> onWindow;
    bool timedOut = false;

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        WindowWatcher* self = instance_;
        if (!self) return;
        if (std::chrono::steady_clock::now() > self->deadline) {
            self->timedOut = true;
            ::KillTimer(nullptr, self->timer_);
            self->timer_ = 0;
            ::PostQuitMessage(0);
            return;
        }
        ::EnumThreadWindows(
            ::GetCurrentThreadId(),
            [](HWND hwnd, LPARAM) CALLBACK -> BOOL {
                if (instance_ && ::IsWindowVisible(hwnd) && instance_->onWindow && instance_->onWindow(hwnd)) {
                    ::KillTimer(nullptr, instance_->timer_);
                    instance_->timer_ = 0;
                    return FALSE;
                }
                return TRUE;
            },
            0);
    }
    static inline WindowWatcher* instance_ = nullptr;
    UINT_PTR timer_ = 0;
};

std::string WindowText(HWND hwnd) {
    char text[512] = {};
    ::GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

class ApplicationTest : public testing::Test {
protected:
    void SetUp() override {
        fw::ClassRegistry::Register(TestForm::StaticClass());
        fw::RegisterFrameworkClasses();
        app_.SetTitle("Stockdraw under test");
    }
    fw::Application app_;
};

TEST_F(ApplicationTest, TheHiddenApplicationWindowCarriesTheTitle) {
    char className[64] = {};
    ::GetClassNameA(app_.Handle(), className, sizeof className);
    EXPECT_STREQ(className, "TApplication");
    EXPECT_EQ(WindowText(app_.Handle()), "Stockdraw under test");
    EXPECT_FALSE(::IsWindowVisible(app_.Handle()));
}

TEST_F(ApplicationTest, AFormFromADescriptionGetsItsValuesAndHandlers) {
    TestForm form(nullptr);
    form.Load(kDescription);
    auto& label = form.ComponentNamed<fw::Label>("Label1");
    EXPECT_EQ(label.Caption(), "Grab Data From:");
    EXPECT_EQ(label.Parent(), &form);
    // The label sizes itself to its text and keeps the window's colour.
    EXPECT_GT(label.Width(), 0);
    EXPECT_EQ(label.GetColor(), form.GetColor());

    HWND hwnd = form.Handle();
    EXPECT_EQ(WindowText(hwnd), "Form under test");
    RECT client{};
    ::GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, 300);
    EXPECT_EQ(client.bottom, 200);
    // A dialog frame: a system menu, but neither a sizing border nor the minimise and maximise boxes
    // that the form's icons would give another frame.
    const LONG_PTR style = ::GetWindowLongPtrA(hwnd, GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU), WS_SYSMENU);
    TestForm single(nullptr);
    single.Load(kDescription);
    single.SetBorderStyle(fw::FormBorderStyle::bsSingle);
    EXPECT_EQ(::GetWindowLongPtrA(single.Handle(), GWL_STYLE) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              WS_MINIMIZEBOX | WS_MAXIMIZEBOX);

    // A click on the windowless label, routed by the form, reaches the handler bound by name.
    const LPARAM at = MAKELPARAM(label.Left() + 2, label.Top() + 2);
    ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageA(hwnd, WM_LBUTTONUP, 0, at);
    EXPECT_EQ(form.clicks, std::vector<std::string>{"Label1"});
}

TEST_F(ApplicationTest, ATerminateBeforeTheLoopEndsItWithoutShowingTheMainForm) {
    TestForm form(nullptr);
    form.Load(kDescription);
    app_.SetMainForm(form);
    bool seen = false;
    WindowWatcher watcher;
    watcher.deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
    watcher.onWindow = [&](HWND hwnd) {
        seen = seen || hwnd == form.Handle();
        return false;
    };
    watcher.Start();

    app_.Terminate();
    app_.Run();
    EXPECT_FALSE(seen);
    MSG quit;
    EXPECT_FALSE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "a quit message is left behind";
    EXPECT_FALSE(form.HandleAllocated() && ::IsWindowVisible(form.Handle()));
}

TEST_F(ApplicationTest, ClosingTheMainFormEndsTheLoop) {
    TestForm form(nullptr);
    form.Load(kDescription);
    app_.SetMainForm(form);
    TestForm later(nullptr);  // a form made afterwards does not take over
    app_.SetMainForm(later);
    EXPECT_EQ(app_.MainForm(), &form);
    WindowWatcher watcher;
    watcher.onWindow = [&](HWND hwnd) {
        if (hwnd != form.Handle()) return false;
        ::PostMessageA(hwnd, WM_CLOSE, 0, 0);
        return true;
    };
    watcher.Start();

    app_.Run();
    EXPECT_FALSE(watcher.timedOut) << "the main form never showed or the loop did not end";
    MSG quit;
    EXPECT_FALSE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "a quit message is left behind";
}

TEST_F(ApplicationTest, AnExceptionInAHandlerIsShownAndTheProgramGoesOn) {
    TestForm form(nullptr);
    form.Load(kDescription);
    form.throwOnClick = true;
    app_.SetMainForm(form);
    auto& label = form.ComponentNamed<fw::Label>("Label1");

    std::string caption, text;
    bool clicked = false;
    WindowWatcher watcher;
    watcher.onWindow = [&](HWND hwnd) {
        if (hwnd == form.Handle()) {
            if (!clicked) {
                const LPARAM at = MAKELPARAM(label.Left() + 2, label.Top() + 2);
                ::PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
                ::PostMessageA(hwnd, WM_LBUTTONUP, 0, at);
                clicked = true;
            }
            return false;
        }
        char className[16] = {};
        ::GetClassNameA(hwnd, className, sizeof className);
        if (std::string(className) != "#32770") return false;
        caption = WindowText(hwnd);
        HWND message = ::GetDlgItem(hwnd, 0xFFFF);
        text = WindowText(message);
        // Answer the box, then close the still running main form.
        ::PostMessageA(hwnd, WM_COMMAND, IDOK, 0);
        ::PostMessageA(form.Handle(), WM_CLOSE, 0, 0);
        return true;
    };
    watcher.Start();

    app_.Run();
    EXPECT_FALSE(watcher.timedOut);
    EXPECT_EQ(form.clicks, std::vector<std::string>{"Label1"});
    EXPECT_EQ(caption, "Stockdraw under test");
    EXPECT_EQ(text, "Cannot read the site folder.");
}

}  // namespace
