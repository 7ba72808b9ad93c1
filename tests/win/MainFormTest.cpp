// The main window as the program builds it from its stored description, with the message boxes
// answered by the test: the handlers bound by name and the destination choice.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "DialogOperator.h"

#include "app/Deployment.h"
#include "app/MainForm_win.h"
#include "browse/BrowseEdit_win.h"
#include "controls/Button_win.h"
#include "controls/RadioGroup_win.h"
#include "controls/SpeedButton_win.h"
#include "fileops/FileOperation_win.h"
#include "framework/Application_win.h"
#include "framework/Form_win.h"

using namespace std::chrono_literals;

namespace {

const std::string kFolder32 = R"(C:\Program Files\Tillora\Data\Brightwell Wholesale)";
const std::string kFolder64 = R"(C:\Program Files (x86)\Tillora\Data\Brightwell Wholesale)";

class AnsweringDialogs final : public fw::Dialogs {
public:
    bool ConfirmWarning(const std::string& text) override {
        shown.push_back("warning: " + text);
        return false;
    }
    void ShowMessage(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

class MainFormTest : public testing::Test {
protected:
    void SetUp() override {
        app_.SetTitle("Tillora POS Stockdraw");
        RegisterProgramClasses();
        form_ = std::make_unique<TMainForm>(nullptr, dialogs_);
    }

    // Sends an arrow key to the radio group as the user's key press would arrive.
    void PressArrow(WPARAM key) {
        HWND group = form_->EclRadioGroup1->Handle();
        ::SendMessageA(group, WM_KEYDOWN, key, 1);
        ::SendMessageA(group, WM_KEYUP, key, 0xC0000001);
    }

    fw::Application app_;
    AnsweringDialogs dialogs_;
    std::unique_ptr<TMainForm> form_;
};

TEST_F(MainFormTest, StartsWithThe32BitChoiceAndItsFolder) {
    EXPECT_EQ(form_->EclRadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(form_->sysFileOperation1->DestFolder(), kFolder32);
    EXPECT_TRUE(form_->sysFileOperation1->FileList().empty());
    EXPECT_EQ(form_->sysFileOperation1->Operation(), TsysFileOperationType::fotCopy);
}

TEST_F(MainFormTest, TheOsChoiceSetsTheDataFolderOnlyOnAUserChange) {
    PressArrow(VK_DOWN);
    EXPECT_EQ(form_->EclRadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(form_->sysFileOperation1->DestFolder(), kFolder64);

    PressArrow(VK_UP);
    EXPECT_EQ(form_->EclRadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(form_->sysFileOperation1->DestFolder(), kFolder32);

    // A change made by code raises nothing; the handler, called as the click would, reads the index.
    form_->EclRadioGroup1->SetItemIndex(-1);
    EXPECT_EQ(form_->sysFileOperation1->DestFolder(), kFolder32);
    form_->EclRadioGroup1Click(*form_->EclRadioGroup1);
    EXPECT_EQ(form_->sysFileOperation1->DestFolder(), kFolder64);
    EXPECT_TRUE(dialogs_.shown.empty()) << "the choice shows no message";
}

TEST_F(MainFormTest, HelpShowsTheFourContactLines) {
    form_->HelpButton->Click();
    const std::string phone = deployment::kTelephone;
    EXPECT_EQ(dialogs_.shown, std::vector<std::string>{"Support: " + phone + "\r\nSales: " + phone + "\r\nEmail: " +
                                                       deployment::kEmail + "\r\nWebsite: " + deployment::kWebsite});
}

TEST_F(MainFormTest, EachGrabButtonAsksFirstAndNoLeavesTheListAlone) {
    form_->sysFileOperation1->SetFileList({"previous entry"});
    for (TEclButton* button : {form_->EclButton1, form_->EclButton2, form_->EclButton3, form_->EclButton4}) {
        dialogs_.shown.clear();
        button->Click();
        ASSERT_EQ(dialogs_.shown.size(), 1u);
        EXPECT_EQ(dialogs_.shown[0].rfind("warning: THIS WILL REPLACE", 0), 0u) << dialogs_.shown[0];
        EXPECT_EQ(form_->sysFileOperation1->FileList(), std::vector<std::string>{"previous entry"});
        EXPECT_TRUE(button->Enabled());
    }
}

// --- Modal boxes while the user is in another program ---------------------------------------------

// The real message boxes; the warning is only recorded, so that a grab that wrongly starts shows nothing.
class RealBoxes final : public fw::Dialogs {
public:
    bool ConfirmWarning(const std::string& text) override {
        warnings.push_back(text);
        return false;
    }
    void ShowMessage(const std::string& text) override { fw::StandardDialogs().ShowMessage(text); }
    std::vector<std::string> warnings;
};

// A window of another thread, and so of another input queue, that takes the foreground from us.
class OtherProgramWindow {
public:
    OtherProgramWindow()
        : thread_([this] {
              HWND hwnd = ::CreateWindowExA(0, "Static", "another program", WS_POPUP | WS_CAPTION | WS_VISIBLE, 300,
                                            300, 200, 100, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
              ::SetForegroundWindow(hwnd);
              window_ = hwnd;
              MSG msg;
              while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
              ::DestroyWindow(hwnd);
          }) {}
    ~OtherProgramWindow() {
        while (!window_) std::this_thread::yield();
        ::PostThreadMessageA(::GetWindowThreadProcessId(window_, nullptr), WM_QUIT, 0, 0);
        thread_.join();
    }
    HWND Window() const { return window_; }

private:
    std::atomic<HWND> window_ = nullptr;
    std::thread thread_;
};

struct BoxSeen {
    HWND owner;
    bool mainFormEnabled;
};

TEST(MainFormModality, BoxShownWhileAnotherProgramIsActiveStillBlocksTheMainWindow) {
    fw::Application app;
    app.SetTitle("Tillora POS Stockdraw");
    RegisterProgramClasses();
    RealBoxes boxes;
    TMainForm form(nullptr, boxes);
    app.SetMainForm(form);
    form.Show();
    const HWND main = form.Handle();
    const HWND grabButton = form.EclButton1->Handle();

    OtherProgramWindow other;
    bool switched = false;
    for (const auto end = std::chrono::steady_clock::now() + 10s;
         !switched && std::chrono::steady_clock::now() < end;) {
        app.ProcessMessages();
        switched = other.Window() && ::GetForegroundWindow() == other.Window() && !::GetActiveWindow();
        if (!switched) ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
    ASSERT_TRUE(switched) << "no other window came to the front";

    // Clicks at a grab button and at Exit, then OK: the box's loop dispatches them in that order.
    auto postClick = [](HWND hwnd, POINT at) {
        const LPARAM where = MAKELPARAM(at.x, at.y);
        ::PostMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, where);
        ::PostMessageA(hwnd, WM_LBUTTONUP, 0, where);
    };
    wintest::DialogOperator<BoxSeen> user(
        [](DWORD thread) {
            return wintest::FindThreadWindow(thread, [](HWND h) { return wintest::ClassName(h) == "#32770"; });
        },
        [main](HWND dlg, DWORD) {
            return BoxSeen{::GetWindow(dlg, GW_OWNER), ::IsWindowEnabled(main) != FALSE};
        },
        [&](HWND dlg, DWORD, const BoxSeen&) {
            postClick(grabButton, {100, 20});
            postClick(main, {686, 468});  // the windowless Exit button
            postClick(::GetDlgItem(dlg, IDOK), {10, 10});
        });
    form.HelpButton->Click();
    const auto outcome = user.Finish();

    ASSERT_TRUE(outcome.seen.has_value()) << "no box";
    EXPECT_TRUE(outcome.closedInTime);
    EXPECT_EQ(outcome.seen->owner, main);
    EXPECT_FALSE(outcome.seen->mainFormEnabled);
    EXPECT_TRUE(boxes.warnings.empty()) << "a grab started inside the box";
    EXPECT_FALSE(app.Terminated()) << "Exit was pressed inside the box";
    EXPECT_TRUE(::IsWindowEnabled(main));
}

TEST(ProgramManifest, KeepsFileVirtualisationAndTheCommonControls) {
    // Any requested execution level turns off file virtualisation for a 32-bit program, and with it
    // the view of the data folders that the point-of-sale program has.
    HRSRC found = ::FindResourceA(nullptr, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));  // RT_MANIFEST
    ASSERT_NE(found, nullptr);
    const std::string manifest(static_cast<const char*>(::LockResource(::LoadResource(nullptr, found))),
                               ::SizeofResource(nullptr, found));
    EXPECT_EQ(manifest.find("requestedExecutionLevel"), std::string::npos);
    EXPECT_EQ(manifest.find("trustInfo"), std::string::npos);
    EXPECT_NE(manifest.find("Microsoft.Windows.Common-Controls"), std::string::npos);
}

}  // namespace
