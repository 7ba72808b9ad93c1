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

#include "AnsweringDialogs.h"
#include "DialogOperator.h"

#include "app/Deployment.h"
#include "app/MainForm_win.h"
#include "browse/BrowseEdit_win.h"
#include "controls/Button_win.h"
#include "controls/RadioGroup_win.h"
#include "controls/SpeedButton_win.h"
#include "fileops/FileOperationRequest.h"
#include "fileops/FileOperation_win.h"
#include "framework/Application_win.h"
#include "framework/Form_win.h"

using namespace std::chrono_literals;

namespace {

const std::string kFolder32 = R"(C:\Program Files\Tillora\Data\Brightwell Wholesale)";
const std::string kFolder64 = R"(C:\Program Files (x86)\Tillora\Data\Brightwell Wholesale)";

class MainFormTest : public testing::Test {
protected:
    void SetUp() override {
        app_.SetTitle("Tillora POS Stockdraw");
        RegisterProgramClasses();
        form_ = std::make_unique<TMainForm>(nullptr);
    }

    // Sends an arrow key to the selected radio item as the user's key press would arrive.
    void PressArrow(WPARAM key) {
        TEclRadioGroup& group = *form_->EclRadioGroup1;
        HWND item = group.Item(group.ItemIndex()).Handle();
        ::SendMessageA(item, WM_KEYDOWN, key, 1);
        ::SendMessageA(item, WM_KEYUP, key, 0xC0000001);
    }

    fw::Application app_;
    wintest::AnsweringDialogs dialogs_{false};
    fw::ScopedSeam<fw::DialogsPlatform> dialogsScope_{dialogs_};
    std::unique_ptr<TMainForm> form_;
};

// A stored value as the description writes it: 20, 'text', bsDialog, [a, b], ('x' 'y').
std::string Written(const fw::Value& v) {
    using Kind = fw::Value::Kind;
    std::string text;
    switch (v.kind) {
        case Kind::Integer: return std::to_string(v.integer);
        case Kind::String: return "'" + v.text + "'";
        case Kind::Identifier: return v.text;
        case Kind::Set:
            for (const std::string& item : v.items) text += (text.empty() ? "" : ", ") + item;
            return "[" + text + "]";
        case Kind::StringList:
            for (const std::string& item : v.items) text += (text.empty() ? "'" : " '") + item + "'";
            return "(" + text + ")";
    }
    return "?";
}

struct Stored {
    const char* component;  // empty: the window itself
    const char* property;
    std::string value;
};

TEST_F(MainFormTest, EveryControlAndComponentHasItsStoredValues) {
    const std::string sansSerif = "'MS Sans Serif'";
    std::vector<Stored> table{
        {"", "Caption", "'Tillora POS Stockdraw'"},
        {"", "Left", "122"},
        {"", "Top", "29"},
        {"", "ClientWidth", "754"},
        {"", "ClientHeight", "518"},
        {"", "BorderStyle", "bsDialog"},
        {"", "BorderIcons", "[biSystemMenu]"},
        {"", "Scaled", "False"},
        {"", "Font.Name", sansSerif},
        {"", "Font.Height", "-11"},
        {"sysFileOperation1", "DestFolder", "'" + kFolder32 + "'"},
        {"sysFileOperation1", "ProgressTitle", "'Stockdrawing...'"},
        {"sysFileOperation1", "Options",
         "[fofFilesOnly, fofNoConfirmation, fofNoConfirmMkDir, fofNoErrorUI, fofSimpleProgress]"},
        {"sysFileOperation1", "Operation", "fotCopy"},
        {"sysFileOperation1", "FileList", "()"},
        {"sysOneInstance1", "Message",
         "'Deskwarden is already running. You can only run one instance of this program.'"},
        {"sysOneInstance1", "ShowMessage", "True"},
        {"sysOneInstance1", "ActivatePrevInstance", "True"},
        {"sysOneInstance1", "ExeNameAsIdentifier", "False"},
        {"sysOneInstance1", "Identifier", "''"},
        {"EclIniCtrl1", "Target", "itRegistry"},
        {"EclIniCtrl1", "RegRoot", "rpLocalMachine"},
        {"EclIniCtrl1", "RegPath", "'\\Software\\Quillfen\\Tillora'"},
        {"EclIniCtrl1", "IniFile", "'Tillora.INI'"},
        {"EclIniCtrl1", "IniPrefix", "ppProgram"},
        {"OfflineLabel", "Font.Name", "'Arial Black'"},
        {"OfflineLabel", "Font.Height", "-21"},
        {"OfflineLabel", "Font.Style", "[fsBold]"},
        {"EclRadioGroup1", "CaptionFont.Name", sansSerif},
        {"EclRadioGroup1", "CaptionFont.Height", "-16"},
        {"EclRadioGroup1", "CaptionFont.Style", "[fsBold]"},
        {"EclRadioGroup1", "Items", "('32 Bit Operating System' '64 Bit Operating System')"},
        {"EclRadioGroup1", "ItemIndex", "0"},
    };
    // Bounds, fonts and tab positions of the controls.
    struct Placed {
        const char* name;
        int left, top, width, height;
        const char* fontHeight;
        const char* fontStyle;
        int tab;  // -1: none
    };
    const std::vector<Placed> placed{
        {"OfflineLabel", 20, 20, -1, -1, "-21", "[fsBold]", -1},  // sizes itself to its text
        {"ExitButton", 651, 453, 70, 30, "-11", "[]", -1},       {"AboutButton", 575, 453, 70, 30, "-11", "[]", -1},
        {"HelpButton", 499, 453, 70, 30, "-11", "[]", -1},       {"Image1", 318, 24, 405, 201, nullptr, nullptr, -1},
        {"EclButton1", 20, 224, 205, 45, "-11", "[fsBold]", 0},  {"EclButton2", 20, 280, 205, 45, "-11", "[fsBold]", 1},
        {"EclButton3", 20, 336, 205, 45, "-11", "[fsBold]", 2},  {"EclBrowseEdit3", 236, 356, 489, 25, "-13", "[]", 3},
        {"EclBrowseEdit1", 236, 244, 489, 25, "-13", "[]", 4},   {"EclBrowseEdit2", 236, 300, 489, 25, "-13", "[]", 5},
        {"EclRadioGroup1", 20, 128, 205, 81, "-11", "[]", 6},    {"EclButton4", 20, 392, 205, 45, "-11", "[fsBold]", 7},
        {"EclBrowseEdit4", 236, 412, 489, 25, "-13", "[]", 8},
    };
    for (const Placed& c : placed) {
        table.push_back({c.name, "Left", std::to_string(c.left)});
        table.push_back({c.name, "Top", std::to_string(c.top)});
        if (c.width >= 0) table.push_back({c.name, "Width", std::to_string(c.width)});
        if (c.height >= 0) table.push_back({c.name, "Height", std::to_string(c.height)});
        if (c.fontHeight) {
            table.push_back({c.name, "Font.Name", std::string(c.name) == "OfflineLabel" ? "'Arial Black'" : sansSerif});
            table.push_back({c.name, "Font.Height", c.fontHeight});
            table.push_back({c.name, "Font.Style", c.fontStyle});
        }
        if (c.tab >= 0) table.push_back({c.name, "TabOrder", std::to_string(c.tab)});
    }
    for (const char* label : {"Label1", "Label2", "Label3", "Label4"}) table.push_back({label, "Left", "237"});

    for (const Stored& row : table) {
        const fw::Component* component = *row.component ? form_->FindComponent(row.component) : form_.get();
        ASSERT_NE(component, nullptr) << row.component;
        EXPECT_EQ(Written(component->GetProperty(row.property)), row.value) << row.component << "." << row.property;
    }

    // The stored options give exactly the shell flags the grab relies on.
    const TsysFileOperation& op = *form_->sysFileOperation1;
    EXPECT_EQ(fileops::BuildFileOperationRequest({"\\\\S\\x\\Tax*.*"}, op.DestFolder(), op.Options(),
                                                 TsysFileOperationType::fotCopy)
                  .flags,
              0x0790);
}

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

TEST_F(MainFormTest, F1ShowsHelpAndTheSystemMenuEndsWithAbout) {
    // F1 on a control of the window, through the message loop.
    ::PostMessageA(form_->EclButton1->Handle(), WM_KEYDOWN, VK_F1, 1);
    app_.ProcessMessages();
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_EQ(dialogs_.shown[0].substr(0, 9), "Support: ");

    HMENU menu = ::GetSystemMenu(form_->Handle(), FALSE);
    const int count = ::GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    char text[64]{};
    ::GetMenuStringA(menu, static_cast<UINT>(count - 1), text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "About Tillora POS Stockdraw...");
    EXPECT_EQ(::GetMenuItemID(menu, count - 1), TMainForm::kAboutCommand);
    EXPECT_EQ(::GetMenuState(menu, static_cast<UINT>(count - 2), MF_BYPOSITION) & MF_SEPARATOR, UINT{MF_SEPARATOR});
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
class RealBoxes final : public fw::DialogsPlatform {
public:
    bool ConfirmWarning(const std::string& text) override {
        warnings.push_back(text);
        return false;
    }
    void ShowMessage(const std::string& text) override { fw::DialogsPlatform::System().ShowMessage(text); }
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
    const fw::ScopedSeam<fw::DialogsPlatform> boxesScope(boxes);
    TMainForm form(nullptr);
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
