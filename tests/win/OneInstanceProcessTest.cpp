// TsysOneInstance with real named mutexes across processes. The other copies are this very test
// program, started again with "--one-instance-child ROLE TITLE IDENTIFIER": it then plays one
// copy of the program (a real application object with that title) and never runs the tests.
#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "framework/Application_win.h"
#include "framework/Handles_win.h"
#include "instance/InstancePlatform_win.h"
#include "instance/OneInstance_win.h"

namespace {

constexpr DWORD kTimeoutMs = 20000;
constexpr char kChildSwitch[] = "--one-instance-child";

// Exit codes of a child: what its check found and what it asked of its application object.
constexpr int kFoundRunning = 1;
constexpr int kTerminated = 2;
constexpr int kShowsMainForm = 4;
constexpr int kChildFailed = 64;

std::string ReadyEventName(const std::string& title) { return title + ".ready"; }
std::string ReleaseEventName(const std::string& title) { return title + ".release"; }

// Waits for the event while handling the messages of this thread, so that window calls from
// other copies (activation) never wait on us.
bool WaitPumping(HANDLE event, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline) return false;
        const DWORD r = ::MsgWaitForMultipleObjects(1, &event, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
        if (r == WAIT_OBJECT_0) return true;
        if (r != WAIT_OBJECT_0 + 1) return false;
        MSG msg;
        while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    }
}

// The production platform, but with the title of the copy under test: this test program has
// no application object of its own.
class TitledPlatform : public oneinstance::SystemInstancePlatform {
public:
    explicit TitledPlatform(std::string title) : title_(std::move(title)) {}
    DWORD lastWait = 0;

    DWORD WaitToOwn(HANDLE mutex, DWORD timeoutMs) override {
        lastWait = SystemInstancePlatform::WaitToOwn(mutex, timeoutMs);
        return lastWait;
    }
    Application App() override { return {title_, fw::Application::ExeName(), nullptr}; }

private:
    std::string title_;
};

// A copy without windows: the application object's part is recorded, the mutexes are real. Runs
// where no top-level window can be made (32-bit programs under Wine's WoW64 mode).
class WindowlessPlatform final : public TitledPlatform {
public:
    using TitledPlatform::TitledPlatform;
    bool showMainForm = true;
    bool terminated = false;

    void ShowRefusal(const std::string&, const std::string&) override {}
    bool ShowMainForm() override { return showMainForm; }
    void SetShowMainForm(bool show) override { showMainForm = show; }
    void Terminate() override { terminated = true; }
};

// "hold": a first copy that keeps running until told to end normally (or is killed).
// "check": a copy that runs the start-up check and ends at once.
// With "-windowless" appended, the copy has no application object (see WindowlessPlatform).
int RunChild(std::string role, const std::string& title, const std::string& identifier) {
    constexpr std::string_view kWindowless = "-windowless";
    const bool windowless = role.ends_with(kWindowless);
    if (windowless) role.resize(role.size() - kWindowless.size());
    std::optional<fw::Application> app;
    WindowlessPlatform standIn(title);
    std::optional<fw::ScopedSeam<oneinstance::InstancePlatform>> scope;
    if (windowless) {
        scope.emplace(standIn);
    } else {
        app.emplace();
        app->SetTitle(title);
    }
    TsysOneInstance guard(nullptr);
    guard.SetIdentifier(identifier);
    const bool found = guard.CheckInstance();
    const bool terminated = windowless ? standIn.terminated : app->Terminated();
    const bool showsMainForm = windowless ? standIn.showMainForm : app->ShowMainForm();
    const int code =
        (found ? kFoundRunning : 0) | (terminated ? kTerminated : 0) | (showsMainForm ? kShowsMainForm : 0);
    int result = kChildFailed;
    if (role == "check") {
        result = code;
    } else if (role == "hold") {
        const fw::UniqueKernelHandle ready(::OpenEventA(EVENT_MODIFY_STATE, FALSE, ReadyEventName(title).c_str()));
        const fw::UniqueKernelHandle release(::OpenEventA(SYNCHRONIZE, FALSE, ReleaseEventName(title).c_str()));
        if (ready && release && ::SetEvent(ready.Get()) && WaitPumping(release.Get(), kTimeoutMs)) result = code;
    }
    // The copy's end, while the platform that holds the instance mutex still exists.
    oneinstance::ReleaseInstanceMutex();
    return result;
}

// In a child, the test runner's set-up plays the copy and ends the process before any test
// runs, after every static object of the program exists, as in the program itself.
class ChildRole : public ::testing::Environment {
public:
    ChildRole(std::string role, std::string title, std::string identifier)
        : role_(std::move(role)), title_(std::move(title)), identifier_(std::move(identifier)) {}
    void SetUp() override { std::exit(RunChild(role_, title_, identifier_)); }

private:
    std::string role_;
    std::string title_;
    std::string identifier_;
};

[[maybe_unused]] const bool isChild = [] {
    if (__argc != 5 || std::string(__argv[1]) != kChildSwitch) return false;
    auto& listeners = ::testing::UnitTest::GetInstance()->listeners();
    delete listeners.Release(listeners.default_result_printer());  // a child prints nothing
    ::testing::AddGlobalTestEnvironment(new ChildRole(__argv[2], __argv[3], __argv[4]));
    return true;
}();

// A copy of the program in another process; killed if a test leaves it running.
class Child {
public:
    Child(const char* role, const std::string& title, const std::string& identifier = "") {
        char exe[MAX_PATH * 2] = {};
        ::GetModuleFileNameA(nullptr, exe, sizeof exe);
        std::string commandLine =
            std::string("\"") + exe + "\" " + kChildSwitch + " " + role + " \"" + title + "\" \"" + identifier + "\"";
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        if (::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                             &info)) {
            process_.Reset(info.hProcess);
            fw::UniqueKernelHandle thread(info.hThread);
            id_ = info.dwProcessId;
        }
    }
    ~Child() {
        if (process_ && ::WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) Kill();
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    bool Started() const { return static_cast<bool>(process_); }
    HANDLE Process() const { return process_.Get(); }
    DWORD Id() const { return id_; }

    // The exit code, or -1 when the child did not end in time.
    int Finish() {
        if (::WaitForSingleObject(process_.Get(), kTimeoutMs) != WAIT_OBJECT_0) return -1;
        DWORD code = 0;
        ::GetExitCodeProcess(process_.Get(), &code);
        return static_cast<int>(code);
    }
    void Kill() {
        ::TerminateProcess(process_.Get(), 99);
        ::WaitForSingleObject(process_.Get(), kTimeoutMs);
    }

private:
    fw::UniqueKernelHandle process_;
    DWORD id_ = 0;
};

class OneInstanceProcessTest : public ::testing::Test {
protected:
    void TearDown() override { oneinstance::ReleaseInstanceMutex(); }

    // A title of our own, so that no other test and no running program shares the mutexes.
    static std::string UniqueTitle() {
        static int counter = 0;
        return "Stockdraw guard test " + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(++counter);
    }

    // Starts a first copy and waits until it holds the instance mutex.
    static void StartHolder(Child& holder, HANDLE ready) {
        ASSERT_TRUE(holder.Started());
        const HANDLE waits[] = {ready, holder.Process()};
        ASSERT_EQ(::WaitForMultipleObjects(2, waits, FALSE, kTimeoutMs), WAIT_OBJECT_0) << "first copy not ready";
    }

    const std::string title = UniqueTitle();
    const fw::UniqueKernelHandle ready{::CreateEventA(nullptr, TRUE, FALSE, ReadyEventName(title).c_str())};
    const fw::UniqueKernelHandle release{::CreateEventA(nullptr, TRUE, FALSE, ReleaseEventName(title).c_str())};
    TitledPlatform platform{title};
    fw::ScopedSeam<oneinstance::InstancePlatform> scope{platform};
    TsysOneInstance guard{nullptr};
};

TEST_F(OneInstanceProcessTest, RunningCopyIsFoundUntilItEndsAndThenReleasesItsMutex) {
    Child holder("hold", title);
    StartHolder(holder, ready.Get());

    EXPECT_TRUE(guard.InstanceExists());
    EXPECT_EQ(platform.lastWait, WAIT_TIMEOUT);

    // Its hidden application window is the one a second copy brings forward.
    const HWND window = FindPrevInstanceWindow();
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    EXPECT_EQ(owner, holder.Id());

    // A second copy refuses to start; one with another identifier does not meet the first.
    Child second("check", title);
    EXPECT_EQ(second.Finish(), kFoundRunning | kTerminated);
    Child otherIdentifier("check", title, "Other");
    EXPECT_EQ(otherIdentifier.Finish(), kShowsMainForm);

    ::SetEvent(release.Get());
    EXPECT_EQ(holder.Finish(), kShowsMainForm);  // it had passed as the only copy

    // It released the mutex at its end: we own it now, not by abandonment.
    EXPECT_FALSE(guard.InstanceExists());
    EXPECT_EQ(platform.lastWait, WAIT_OBJECT_0);
    Child third("check", title);
    EXPECT_EQ(third.Finish(), kFoundRunning | kTerminated);
}

TEST_F(OneInstanceProcessTest, KilledCopyDoesNotBlockTheNextStart) {
    Child holder("hold", title);
    StartHolder(holder, ready.Get());
    // Our handle keeps the mutex alive after its owner is gone (without one it would simply vanish).
    EXPECT_TRUE(guard.InstanceExists());
    holder.Kill();

    EXPECT_FALSE(guard.InstanceExists());
    EXPECT_EQ(platform.lastWait, WAIT_ABANDONED);
    EXPECT_EQ(FindPrevInstanceWindow(), nullptr);

    // This process owns the mutex now, so the next copy meets it.
    Child next("check", title);
    EXPECT_EQ(next.Finish(), kFoundRunning | kTerminated);
}

// The guard's meeting of two copies through their named mutexes alone: refusal, and a killed first
// copy that does not block the next start.
TEST_F(OneInstanceProcessTest, WindowlessCopiesMeetThroughTheirMutexes) {
    Child holder("hold-windowless", title);
    StartHolder(holder, ready.Get());
    EXPECT_TRUE(guard.InstanceExists());
    Child second("check-windowless", title);
    EXPECT_EQ(second.Finish(), kFoundRunning | kTerminated);

    holder.Kill();
    EXPECT_FALSE(guard.InstanceExists());
    EXPECT_EQ(platform.lastWait, WAIT_ABANDONED);
    Child next("check-windowless", title);
    EXPECT_EQ(next.Finish(), kFoundRunning | kTerminated);
}

}  // namespace
