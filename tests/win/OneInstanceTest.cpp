// TsysOneInstance against a fake platform: every branch of the check, the reaction of a second
// copy, and the search for the running copy's window.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <string>
#include <vector>

#include "framework/ClassInfo.h"
#include "fileops/FileOperation_win.h"
#include "framework/Description.h"
#include "framework/Form_win.h"
#include "instance/InstancePlatform_win.h"
#include "instance/OneInstance_win.h"

namespace {

constexpr char kTitle[] = "Tillora POS Stockdraw";
constexpr char kGuardName[] = "Tillora POS Stockdraw.OneInstance.CriticalSection";
constexpr char kInstanceName[] = "Tillora POS Stockdraw.OneInstance.Default";
constexpr char kDeskwarden[] = "Deskwarden is already running. You can only run one instance of this program.";

struct RefusalBox {
    std::string text;
    std::string caption;
};

struct TopLevelWindow {
    HWND handle;
    std::string className;
    std::string caption;
};

// Records every call as one line of text, so tests can check names, arguments and order at once.
class FakePlatform final : public oneinstance::InstancePlatform {
public:
    struct Creation {
        HANDLE handle;
        bool existed;
    };
    Creation guard{&guardObject_, false};
    Creation instance{&instanceObject_, false};
    DWORD waitResult = WAIT_OBJECT_0;
    Application app{kTitle, "c:\\Dir\\prog.exe", Window(0)};
    bool showMainForm = true;
    std::vector<TopLevelWindow> windows;
    std::vector<RefusalBox> boxes;
    std::vector<std::string> calls;

    // Distinct window handles that are never dereferenced.
    HWND Window(int i) { return reinterpret_cast<HWND>(&windowObjects_[i]); }
    HANDLE SecondInstanceHandle() { return &secondInstanceObject_; }

    std::string Name(HANDLE h) const {
        if (h == &guardObject_) return "guard";
        if (h == &instanceObject_) return "instance";
        if (h == &secondInstanceObject_) return "instance2";
        return h ? "unknown" : "null";
    }

    oneinstance::NamedMutex CreateNamedMutex(const std::string& name, bool own) override {
        calls.push_back("CreateNamedMutex " + name + (own ? " owned" : " unowned"));
        const Creation& made = own ? guard : instance;
        return {oneinstance::MutexHandle(made.handle), made.existed};
    }
    DWORD WaitToOwn(HANDLE h, DWORD ms) override {
        calls.push_back("WaitToOwn " + Name(h) + " " + std::to_string(ms));
        return h ? waitResult : WAIT_FAILED;
    }
    void Release(HANDLE h) override { calls.push_back("Release " + Name(h)); }
    std::string UpperCase(const std::string& text) override {
        std::string upper = text;
        std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
        return upper;
    }
    void ShowRefusal(const std::string& text, const std::string& caption) override {
        calls.push_back("ShowRefusal");
        boxes.push_back({text, caption});
    }
    HWND NextApplicationWindow(HWND after, const std::string& title) override {
        calls.push_back("NextApplicationWindow " + title);
        auto it = windows.begin();
        if (after) {
            it = std::find_if(windows.begin(), windows.end(), [&](const auto& w) { return w.handle == after; });
            if (it != windows.end()) ++it;
        }
        for (; it != windows.end(); ++it)
            if (it->className == "TApplication" && it->caption == title) return it->handle;
        return nullptr;
    }
    void Raise(HWND w) override { calls.push_back("Raise " + WindowName(w)); }
    Application App() override { return app; }
    bool ShowMainForm() override { return showMainForm; }
    void SetShowMainForm(bool show) override {
        calls.push_back(show ? "SetShowMainForm true" : "SetShowMainForm false");
        showMainForm = show;
    }
    void Terminate() override { calls.push_back("Terminate"); }

    std::string WindowName(HWND w) {
        for (int i = 0; i < 4; ++i)
            if (w == Window(i)) return "window" + std::to_string(i);
        return "unknown";
    }

    using Calls = std::vector<std::string>;
    Calls LastCalls(size_t n) const {
        return Calls(calls.end() - static_cast<std::ptrdiff_t>(std::min(n, calls.size())), calls.end());
    }
    bool Called(const std::string& call) const { return std::find(calls.begin(), calls.end(), call) != calls.end(); }
    bool CalledStartingWith(const std::string& prefix) const {
        return std::any_of(calls.begin(), calls.end(), [&](const auto& c) { return c.rfind(prefix, 0) == 0; });
    }

private:
    char guardObject_ = 0;
    char instanceObject_ = 0;
    char secondInstanceObject_ = 0;
    char windowObjects_[4] = {};
};

class OneInstanceTest : public ::testing::Test {
protected:
    void TearDown() override {
        // The process-wide handle belongs to the fake; let it go while the fake is still there.
        oneinstance::ReleaseInstanceMutex();
    }

    // Sets up a second copy: the running copy owns the instance mutex, and its application
    // window is the only other one with our title.
    void MakeSecondCopy() {
        fake.waitResult = WAIT_TIMEOUT;
        fake.windows = {{fake.Window(0), "TApplication", kTitle}, {fake.Window(1), "TApplication", kTitle}};
    }

    FakePlatform fake;
    fw::ScopedSeam<oneinstance::InstancePlatform> scope{fake};
    TsysOneInstance guard{nullptr};
};

// --- InstanceExists ------------------------------------------------------------------------------

const std::string kCreateGuard = std::string("CreateNamedMutex ") + kGuardName + " owned";
const std::string kCreateInstance = std::string("CreateNamedMutex ") + kInstanceName + " unowned";

TEST_F(OneInstanceTest, FirstCopyCreatesBothMutexesAndKeepsTheInstanceOne) {
    EXPECT_FALSE(guard.InstanceExists());
    EXPECT_EQ(fake.calls,
              (FakePlatform::Calls{kCreateGuard, kCreateInstance, "WaitToOwn instance 0", "Release guard"}));
    EXPECT_EQ(oneinstance::InstanceMutexHandle(), fake.instance.handle);
}

TEST_F(OneInstanceTest, OnlyATimedOutWaitMeansAnotherCopyRuns) {
    struct Case {
        DWORD wait;
        bool exists;
    };
    const Case cases[] = {{WAIT_TIMEOUT, true}, {WAIT_OBJECT_0, false}, {WAIT_ABANDONED, false}, {WAIT_FAILED, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wait);
        oneinstance::ReleaseInstanceMutex();
        fake.calls.clear();
        fake.waitResult = c.wait;
        EXPECT_EQ(guard.InstanceExists(), c.exists);
        EXPECT_EQ(oneinstance::InstanceMutexHandle(), fake.instance.handle);
        // The guard is let go only after the instance mutex has been tried.
        EXPECT_EQ(fake.LastCalls(2), (FakePlatform::Calls{"WaitToOwn instance 0", "Release guard"}));
    }
}

TEST_F(OneInstanceTest, GuardHeldByAnotherCopyCountsAsRunning) {
    fake.guard.existed = true;
    EXPECT_TRUE(guard.InstanceExists());
    EXPECT_FALSE(fake.Called(kCreateInstance));
    EXPECT_FALSE(fake.CalledStartingWith("WaitToOwn"));
    EXPECT_TRUE(fake.Called("Release guard"));  // not kept open: that would hold the guard for later copies
    EXPECT_EQ(oneinstance::InstanceMutexHandle(), nullptr);
}

TEST_F(OneInstanceTest, GuardThatCannotBeCreatedCountsAsRunning) {
    for (const bool existed : {true, false}) {
        SCOPED_TRACE(existed);
        fake.calls.clear();
        fake.guard = {nullptr, existed};
        EXPECT_TRUE(guard.InstanceExists());
        EXPECT_EQ(fake.calls, FakePlatform::Calls{kCreateGuard});
        EXPECT_EQ(oneinstance::InstanceMutexHandle(), nullptr);
    }
}

TEST_F(OneInstanceTest, InstanceMutexThatCannotBeCreatedLetsThisCopyRun) {
    fake.instance = {nullptr, false};
    EXPECT_FALSE(guard.InstanceExists());
    EXPECT_TRUE(fake.Called("WaitToOwn null 0"));
    EXPECT_TRUE(fake.Called("Release guard"));
    EXPECT_EQ(oneinstance::InstanceMutexHandle(), nullptr);
}

TEST_F(OneInstanceTest, NamesComeFromTitleAndIdentifierOrFromTheUpperCasedProgramPath) {
    guard.SetIdentifier("\\Site");
    guard.InstanceExists();
    EXPECT_TRUE(fake.Called("CreateNamedMutex Tillora POS Stockdraw/Site.OneInstance.CriticalSection owned"));
    EXPECT_TRUE(fake.Called("CreateNamedMutex Tillora POS Stockdraw/Site.OneInstance.Default unowned"));

    fake.calls.clear();
    guard.SetIdentifier("");
    guard.SetExeNameAsIdentifier(true);
    guard.InstanceExists();
    EXPECT_TRUE(fake.Called("CreateNamedMutex C:/DIR/PROG.EXE.OneInstance.CriticalSection owned"));
    EXPECT_TRUE(fake.Called("CreateNamedMutex C:/DIR/PROG.EXE.OneInstance.Default unowned"));
}

TEST_F(OneInstanceTest, InstanceHandleIsReleasedAndClosedAtTheEndOrWhenReplaced) {
    guard.InstanceExists();

    // A second check in the same process takes the slot over; the earlier handle is let go.
    fake.instance.handle = fake.SecondInstanceHandle();
    fake.calls.clear();
    TsysOneInstance other(nullptr);
    other.InstanceExists();
    EXPECT_EQ(oneinstance::InstanceMutexHandle(), fake.SecondInstanceHandle());
    EXPECT_TRUE(fake.Called("Release instance"));

    fake.calls.clear();
    oneinstance::ReleaseInstanceMutex();
    EXPECT_EQ(fake.calls, FakePlatform::Calls{"Release instance2"});
    EXPECT_EQ(oneinstance::InstanceMutexHandle(), nullptr);
    fake.calls.clear();
    oneinstance::ReleaseInstanceMutex();
    EXPECT_TRUE(fake.calls.empty());
}

// --- CheckInstance -------------------------------------------------------------------------------

TEST_F(OneInstanceTest, FirstCopyPassesSilently) {
    guard.SetShowMessage(true);
    EXPECT_FALSE(guard.CheckInstance());
    EXPECT_TRUE(fake.showMainForm);
    EXPECT_FALSE(fake.CalledStartingWith("SetShowMainForm"));
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_FALSE(fake.CalledStartingWith("NextApplicationWindow"));
    EXPECT_FALSE(fake.Called("Terminate"));
}

TEST_F(OneInstanceTest, SecondCopyShowsTheMessageThenActivatesThenTerminates) {
    MakeSecondCopy();
    guard.SetMessage(kDeskwarden);
    guard.SetShowMessage(true);
    EXPECT_TRUE(guard.CheckInstance());

    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, kDeskwarden);
    EXPECT_EQ(fake.boxes[0].caption, kTitle);
    EXPECT_FALSE(fake.showMainForm);
    EXPECT_EQ(fake.LastCalls(5),
              (FakePlatform::Calls{"ShowRefusal", "NextApplicationWindow Tillora POS Stockdraw",
                                   "NextApplicationWindow Tillora POS Stockdraw", "Raise window1", "Terminate"}));
    // The main window is hidden before the user sees the message.
    const auto hide = std::find(fake.calls.begin(), fake.calls.end(), "SetShowMainForm false");
    EXPECT_LT(hide, std::find(fake.calls.begin(), fake.calls.end(), "ShowRefusal"));
}

TEST_F(OneInstanceTest, EmptyMessageUsesTheBuiltInTextWithTheTitle) {
    MakeSecondCopy();
    guard.SetShowMessage(true);
    guard.CheckInstance();
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, "Application \"Tillora POS Stockdraw\" is already running.");
    EXPECT_EQ(fake.boxes[0].caption, kTitle);
}

TEST_F(OneInstanceTest, WithoutShowMessageThereIsNoBoxButStillActivationAndTerminate) {
    MakeSecondCopy();
    guard.SetMessage(kDeskwarden);
    EXPECT_TRUE(guard.CheckInstance());
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_TRUE(fake.Called("Raise window1"));
    EXPECT_TRUE(fake.Called("Terminate"));
    EXPECT_FALSE(fake.showMainForm);
}

TEST_F(OneInstanceTest, WithoutActivatePrevInstanceTheRunningCopyIsNotTouched) {
    MakeSecondCopy();
    guard.SetShowMessage(true);
    guard.SetActivatePrevInstance(false);
    EXPECT_TRUE(guard.CheckInstance());
    EXPECT_EQ(fake.boxes.size(), 1u);
    EXPECT_FALSE(fake.CalledStartingWith("NextApplicationWindow"));
    EXPECT_FALSE(fake.CalledStartingWith("Raise"));
    EXPECT_TRUE(fake.Called("Terminate"));
}

TEST_F(OneInstanceTest, HandlerReplacesTheBoxAndTerminateStaysWhenItLeavesTheFlag) {
    MakeSecondCopy();
    guard.SetShowMessage(true);
    fw::Component* sender = nullptr;
    bool seen = false;
    guard.SetOnShowMessage([&](fw::Component& s, bool& terminate) {
        sender = &s;
        seen = terminate;
    });
    EXPECT_TRUE(guard.CheckInstance());
    EXPECT_EQ(sender, &guard);
    EXPECT_TRUE(seen);
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_TRUE(fake.Called("Terminate"));
    EXPECT_FALSE(fake.showMainForm);
}

TEST_F(OneInstanceTest, HandlerThatClearsTerminateLetsThisCopyRun) {
    MakeSecondCopy();
    guard.SetShowMessage(true);
    guard.SetOnShowMessage([](fw::Component&, bool& terminate) { terminate = false; });
    EXPECT_TRUE(guard.CheckInstance());
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_TRUE(fake.Called("Raise window1"));  // still brought forward
    EXPECT_FALSE(fake.Called("Terminate"));
    EXPECT_TRUE(fake.showMainForm);
    EXPECT_EQ(fake.calls.back(), "SetShowMainForm true");
}

TEST_F(OneInstanceTest, RestoredFlagIsTheRememberedOne) {
    MakeSecondCopy();
    fake.showMainForm = false;
    guard.SetShowMessage(true);
    guard.SetOnShowMessage([](fw::Component&, bool& terminate) { terminate = false; });
    guard.CheckInstance();
    EXPECT_FALSE(fake.showMainForm);
    EXPECT_FALSE(fake.Called("Terminate"));
}

// --- Reading the main window's description -------------------------------------------------------

TEST_F(OneInstanceTest, DescriptionSetsPublishedPropertiesAndLoadingRunsTheCheck) {
    fw::ClassRegistry::Register(TsysOneInstance::StaticClass());
    MakeSecondCopy();
    fw::Component form(nullptr);
    fw::LoadDescription(form, fw::ParseDescription("object MainForm: TComponent\n"
                                                   "  object sysOneInstance1: TsysOneInstance\n"
                                                   "    Message = 'Deskwarden is already running. You can only run"
                                                   " one instance of this program.'\n"
                                                   "    ShowMessage = True\n"
                                                   "  end\n"
                                                   "end\n"));
    auto& loaded = form.ComponentNamed<TsysOneInstance>("sysOneInstance1");
    EXPECT_FALSE(loaded.IsLoading());
    ASSERT_EQ(fake.boxes.size(), 1u);
    EXPECT_EQ(fake.boxes[0].text, kDeskwarden);
    EXPECT_TRUE(fake.Called("Terminate"));
    // Everything not in the description keeps its default.
    EXPECT_EQ(loaded.GetProperty("ActivatePrevInstance").text, "True");
    EXPECT_EQ(loaded.GetProperty("ExeNameAsIdentifier").text, "False");
    EXPECT_EQ(loaded.GetProperty("Identifier").text, "");
    EXPECT_EQ(loaded.GetProperty("About").text, "");
}

// A window whose handlers for the two components' own event types are bound by name.
class HandlerForm final : public fw::Form {
public:
    HandlerForm() : fw::Form(nullptr) {
        PublishHandler<TsysOneInstanceShowMessage>("AlreadyRunning", [this](fw::Component& sender, bool& terminate) {
            seen.push_back("already running: " + sender.Name());
            terminate = false;
        });
        PublishHandler<TsysFileOperationEvent>("CopyFailed",
                                               [this](fw::Component& sender, const std::string& text, bool& handled) {
                                                   seen.push_back("failed: " + sender.Name() + ": " + text);
                                                   handled = true;
                                               });
        PublishMethod("Click", [](fw::Component&) {});
    }
    std::vector<std::string> seen;
};

TEST_F(OneInstanceTest, DescriptionBindsTheComponentsOwnEventsByName) {
    fw::ClassRegistry::Register(TsysOneInstance::StaticClass());
    fw::ClassRegistry::Register(TsysFileOperation::StaticClass());
    MakeSecondCopy();
    HandlerForm form;
    fw::LoadDescription(form, fw::ParseDescription("object MainForm: TForm\n"
                                                   "  object sysFileOperation1: TsysFileOperation\n"
                                                   "    OnError = CopyFailed\n"
                                                   "  end\n"
                                                   "  object sysOneInstance1: TsysOneInstance\n"
                                                   "    ShowMessage = True\n"
                                                   "    OnShowMessage = AlreadyRunning\n"
                                                   "  end\n"
                                                   "end\n"));
    // The handler replaced the box and let this copy run.
    EXPECT_TRUE(fake.boxes.empty());
    EXPECT_FALSE(fake.Called("Terminate"));
    EXPECT_TRUE(form.ComponentNamed<TsysFileOperation>("sysFileOperation1").DoError("disk full"));
    EXPECT_EQ(form.seen,
              (std::vector<std::string>{"already running: sysOneInstance1", "failed: sysFileOperation1: disk full"}));

    // A handler of another event's type is refused, naming the line.
    for (const char* wrong : {"Click", "AlreadyRunning"}) {
        HandlerForm other;
        const std::string text = std::string("object MainForm: TForm\n  object op: TsysFileOperation\n    OnError = ") +
                                 wrong + "\n  end\nend\n";
        try {
            fw::LoadDescription(other, fw::ParseDescription(text));
            ADD_FAILURE() << wrong << " was bound to OnError";
        } catch (const fw::DescriptionError& e) {
            EXPECT_EQ(e.Line(), 3) << e.what();
        }
    }
}

TEST_F(OneInstanceTest, EveryPublishedPropertyIsReachableByName) {
    guard.SetProperty("ActivatePrevInstance", fw::ValueTraits<bool>::To(false));
    guard.SetProperty("ExeNameAsIdentifier", fw::ValueTraits<bool>::To(true));
    guard.SetProperty("Message", fw::ValueTraits<std::string>::To("m"));
    guard.SetProperty("Identifier", fw::ValueTraits<std::string>::To("i"));
    guard.SetProperty("ShowMessage", fw::ValueTraits<bool>::To(true));
    guard.SetProperty("About", fw::ValueTraits<std::string>::To("a"));
    EXPECT_FALSE(guard.ActivatePrevInstance());
    EXPECT_TRUE(guard.ExeNameAsIdentifier());
    EXPECT_EQ(guard.Message(), "m");
    EXPECT_EQ(guard.Identifier(), "i");
    EXPECT_TRUE(guard.ShowMessage());
    EXPECT_EQ(guard.About(), "a");
    EXPECT_TRUE(TsysOneInstance::StaticClass().InheritsFrom("TsysComponent"));
    EXPECT_NE(dynamic_cast<TsysOneInstance*>(TsysOneInstance::StaticClass().Create(nullptr).get()), nullptr);
}

// --- Finding and raising the running copy --------------------------------------------------------

TEST_F(OneInstanceTest, SearchSkipsOurOwnApplicationWindow) {
    fake.windows = {{fake.Window(0), "TApplication", kTitle},
                    {fake.Window(2), "TApplication", "Other title"},
                    {fake.Window(3), "TForm", kTitle},
                    {fake.Window(1), "TApplication", kTitle}};
    EXPECT_EQ(FindPrevInstanceWindow(), fake.Window(1));

    fake.app.window = fake.Window(1);
    EXPECT_EQ(FindPrevInstanceWindow(), fake.Window(0));
}

TEST_F(OneInstanceTest, NoOtherWindowMeansNoActivation) {
    fake.windows = {{fake.Window(0), "TApplication", kTitle}};
    EXPECT_EQ(FindPrevInstanceWindow(), nullptr);
    EXPECT_FALSE(BringPrevInstanceToFront());
    EXPECT_FALSE(fake.CalledStartingWith("Raise"));

    MakeSecondCopy();
    EXPECT_TRUE(BringPrevInstanceToFront());
    EXPECT_EQ(fake.calls.back(), "Raise window1");
}

}  // namespace
