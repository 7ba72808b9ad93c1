#include "Dialog.h"
#include "Stockdraw.h"
#include "UniqueHandle.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace e2e;

namespace {

const std::string kRefusal = "Deskwarden is already running. You can only run one instance of this program.";
const std::string kInstanceMutex = std::string(kTitle) + ".OneInstance.Default";

// A later copy while it runs: its refusal box, and whether it ever showed a main window.
struct Refusal {
    HWND box = nullptr;
    bool showedMainForm = false;
};

Refusal WaitForRefusal(const Program& copy) {
    Refusal refusal;
    WaitUntil([&] {
        refusal.showedMainForm = refusal.showedMainForm || FindMainForm(copy.Pid());
        refusal.box = FindDialog(copy.Pid());
        return refusal.box || !copy.IsRunning();
    });
    return refusal;
}

// Waits for the copy to end, watching that no main window shows meanwhile.
std::optional<DWORD> WaitForExitWithoutMainForm(const Program& copy, Refusal& refusal) {
    std::optional<DWORD> code;
    WaitUntil([&] {
        refusal.showedMainForm = refusal.showedMainForm || FindMainForm(copy.Pid());
        code = copy.WaitForExit(0ms);
        return code.has_value();
    });
    return code;
}

// Whether a process other than ours owns the instance mutex right now.
bool InstanceMutexOwnedElsewhere() {
    UniqueHandle mutex(OpenMutexA(SYNCHRONIZE | MUTEX_MODIFY_STATE, FALSE, kInstanceMutex.c_str()));
    if (!mutex) {
        return false;
    }
    const DWORD wait = WaitForSingleObject(mutex.Get(), 0);
    if (wait == WAIT_OBJECT_0 || wait == WAIT_ABANDONED) {
        ReleaseMutex(mutex.Get());
    }
    return wait == WAIT_TIMEOUT;
}

}  // namespace

TEST(SingleInstance, OnlyCopyShowsNoBoxAndOwnsTheInstanceMutexUntilItExits) {
    StockdrawSession app;
    EXPECT_EQ(FindDialog(app.Pid()), nullptr);
    EXPECT_TRUE(InstanceMutexOwnedElsewhere());

    ASSERT_EQ(app.Close(), std::optional<DWORD>(0));
    EXPECT_FALSE(InstanceMutexOwnedElsewhere());
}

TEST(SingleInstance, SecondCopyIsRefusedWithAWarningAndEndsWithoutAMainWindow) {
    StockdrawSession first;
    Program second;

    Refusal refusal = WaitForRefusal(second);
    ASSERT_NE(refusal.box, nullptr) << "no refusal; the second copy is " << (second.IsRunning() ? "running" : "gone");
    const DialogContents contents = ReadDialog(refusal.box);
    EXPECT_EQ(contents.caption, kTitle);
    EXPECT_EQ(contents.texts, std::vector<std::string>{kRefusal});
    EXPECT_TRUE(contents.hasIcon);
    EXPECT_EQ(contents.buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(GetWindow(refusal.box, GW_OWNER), FindApplicationWindow(second.Pid()))
        << "the box belongs to the second copy's application window";

    ASSERT_TRUE(PressDialogButton(refusal.box, "OK"));
    EXPECT_EQ(WaitForExitWithoutMainForm(second, refusal), std::optional<DWORD>(0));
    EXPECT_FALSE(refusal.showedMainForm);

    EXPECT_TRUE(first.Process().IsRunning());
    EXPECT_TRUE(IsWindowVisible(first.MainForm()));
}

// The user minimises the program through its taskbar button, which belongs to the application
// window; a refused start restores it once the refusal has been answered.
TEST(SingleInstance, SecondCopyRestoresTheMinimisedFirstCopyAfterTheRefusal) {
    StockdrawSession first;
    HWND appWindow = FindApplicationWindow(first.Pid());
    ASSERT_NE(appWindow, nullptr);
    ASSERT_TRUE(PostMessageA(appWindow, WM_SYSCOMMAND, SC_MINIMIZE, 0));
    ASSERT_TRUE(WaitUntil([&] { return IsIconic(appWindow) != FALSE; })) << "could not minimise the first copy";

    Program second;
    Refusal refusal = WaitForRefusal(second);
    ASSERT_NE(refusal.box, nullptr);
    EXPECT_TRUE(IsIconic(appWindow)) << "restored before the refusal was answered";

    ASSERT_TRUE(PressDialogButton(refusal.box, "OK"));
    EXPECT_EQ(WaitForExitWithoutMainForm(second, refusal), std::optional<DWORD>(0));
    EXPECT_FALSE(IsIconic(appWindow));
    EXPECT_FALSE(IsIconic(first.MainForm()));
    EXPECT_TRUE(first.Process().IsRunning());
}

TEST(SingleInstance, CopyKilledWithoutReleasingDoesNotBlockTheNextStart) {
    UniqueHandle held;
    {
        StockdrawSession killed;
        // Our handle keeps the mutex alive past the kill, so the next start meets it abandoned.
        held.Reset(OpenMutexA(SYNCHRONIZE, FALSE, kInstanceMutex.c_str()));
        ASSERT_TRUE(held) << "no instance mutex " << kInstanceMutex;
        killed.Process().Terminate();
        ASSERT_FALSE(killed.Process().IsRunning());
    }
    StockdrawSession next;
    EXPECT_EQ(FindDialog(next.Pid()), nullptr);
    EXPECT_TRUE(InstanceMutexOwnedElsewhere());
}

// Rounds of the simultaneous-start test: a few in every run, ten with the long tests (tools/test --long).
static int SimultaneousStartRounds() {
    char value[8] = {};
    return GetEnvironmentVariableA("STOCKDRAW_LONG_TESTS", value, sizeof value) > 0 && value[0] == '1' ? 10 : 2;
}

TEST(SingleInstance, TwentySimultaneousStartsLeaveExactlyOneMainWindowEveryRound) {
    constexpr size_t kCopies = 20;
    const int rounds = SimultaneousStartRounds();
    for (int round = 0; round < rounds; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::vector<Program> copies;
        for (size_t i = 0; i < kCopies; ++i) {
            copies.emplace_back(StartOptions{.suspended = true});
        }
        for (Program& copy : copies) {
            ASSERT_TRUE(copy.Resume());
        }

        // Answer every refusal until one copy is left with its main window.
        std::set<HWND> answered;
        size_t mostMainForms = 0;
        Program* survivor = nullptr;
        const bool settled = WaitUntil(
            [&] {
                size_t running = 0;
                size_t mainForms = 0;
                for (Program& copy : copies) {
                    if (!copy.IsRunning()) {
                        continue;
                    }
                    ++running;
                    if (FindMainForm(copy.Pid())) {
                        ++mainForms;
                        survivor = &copy;
                    }
                    HWND box = FindDialog(copy.Pid());
                    if (box && answered.insert(box).second) {
                        PressDialogButton(box, "OK");
                    }
                }
                mostMainForms = std::max(mostMainForms, mainForms);
                return running == 1 && mainForms == 1;
            },
            120s);
        ASSERT_TRUE(settled) << "the copies did not settle to one running copy with a main window";
        EXPECT_EQ(mostMainForms, 1u);
        EXPECT_EQ(answered.size(), kCopies - 1);

        for (Program& copy : copies) {
            if (&copy != survivor) {
                EXPECT_EQ(copy.WaitForExit(), std::optional<DWORD>(0)) << "copy " << copy.Pid();
            }
        }
        ASSERT_TRUE(PostMessageA(FindMainForm(survivor->Pid()), WM_CLOSE, 0, 0));
        EXPECT_EQ(survivor->WaitForExit(), std::optional<DWORD>(0));
    }
}
