// The main window as the program builds it from its stored description, with the message boxes
// answered by the test: the handlers bound by name and the destination choice.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/Deployment.h"
#include "app/MainForm_win.h"
#include "browse/BrowseEdit_win.h"
#include "controls/Button_win.h"
#include "controls/RadioGroup_win.h"
#include "controls/SpeedButton_win.h"
#include "fileops/FileOperation_win.h"
#include "framework/Application_win.h"

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

}  // namespace
