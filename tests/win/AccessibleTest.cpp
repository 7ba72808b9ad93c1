// The main window's controls as screen readers see them: each family's accessible object read
// through oleacc as a reader reads it, the value and default actions driven the same way, and an
// object outliving its window.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

#include "app/MainForm_win.h"
#include "browse/BrowseEdit_win.h"
#include "controls/Button_win.h"
#include "controls/RadioGroup_win.h"
#include "controls/SimpleLabel_win.h"
#include "controls/SpeedButton_win.h"
#include "framework/Application_win.h"

#include "AccessibleReading.h"
#include "AnsweringDialogs.h"

using namespace std::chrono_literals;
using namespace accread;

namespace {

class AccessibleTest : public testing::Test {
protected:
    void SetUp() override {
        app_.SetTitle("Tillora POS Stockdraw");
        RegisterProgramClasses();
        form_ = std::make_unique<TMainForm>(nullptr);
        form_->Show();
    }
    static void PumpFor(std::chrono::milliseconds time) {
        const auto end = std::chrono::steady_clock::now() + time;
        MSG msg;
        while (std::chrono::steady_clock::now() < end) {
            while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
            ::Sleep(5);
        }
    }

    ComScope com_;
    fw::Application app_;
    wintest::AnsweringDialogs dialogs_{false};
    fw::ScopedSeam<fw::DialogsPlatform> dialogsScope_{dialogs_};
    std::unique_ptr<TMainForm> form_;
};

TEST_F(AccessibleTest, EachControlFamilyReadsAsItsStandardCounterpart) {
    form_->EclBrowseEdit2->SetReadOnly(true);
    form_->EclButton2->SetEnabled(false);
    auto& link = form_->Create<TEclSimpleLabel>();
    link.SetParent(form_.get());
    link.SetCaption("http://www.quillfen.example");
    link.SetBounds(500, 100, 150, 13);
    link.SetJumpMode(TEclJumpModes::jmInternet);
    TEclRadioGroup& group = *form_->EclRadioGroup1;
    struct Row {
        const char* what;
        HWND hwnd;
        std::string childName;  // empty: the window's own object
        long role;
        std::string name, value;
        long stateOn, stateOff;
        std::string action;
    };
    const long checked = STATE_SYSTEM_CHECKED, off = STATE_SYSTEM_UNAVAILABLE;
    const Row rows[] = {
        {"edit", form_->EclBrowseEdit1->Handle(), "", ROLE_SYSTEM_TEXT,
         "Grab Data From:", form_->EclBrowseEdit1->Path(), STATE_SYSTEM_FOCUSABLE, STATE_SYSTEM_READONLY | off, ""},
        {"read-only edit", form_->EclBrowseEdit2->Handle(), "", ROLE_SYSTEM_TEXT,
         "Grab Data From:", form_->EclBrowseEdit2->Path(), STATE_SYSTEM_READONLY, 0, ""},
        {"folder button", form_->EclBrowseEdit1->Handle(), "Browse", ROLE_SYSTEM_PUSHBUTTON, "Browse", "", 0, off,
         "Press"},
        {"push button", form_->EclButton1->Handle(), "", ROLE_SYSTEM_PUSHBUTTON, "GRAB CENTRAL INVENTORY", "",
         STATE_SYSTEM_FOCUSABLE, off, "Press"},
        {"disabled push button", form_->EclButton2->Handle(), "", ROLE_SYSTEM_PUSHBUTTON, "GRAB VELDA INVENTORY", "",
         off, STATE_SYSTEM_FOCUSABLE, "Press"},
        {"selected radio item", group.Item(0).Handle(), "", ROLE_SYSTEM_RADIOBUTTON, "32 Bit Operating System", "",
         checked, 0, "Check"},
        {"other radio item", group.Item(1).Handle(), "", ROLE_SYSTEM_RADIOBUTTON, "64 Bit Operating System", "", 0,
         checked, "Check"},
        {"group", group.Handle(), "", ROLE_SYSTEM_GROUPING, "SELECT OS TYPE", "", 0, STATE_SYSTEM_FOCUSABLE, ""},
        {"speed button", form_->Handle(), "Help", ROLE_SYSTEM_PUSHBUTTON, "Help", "", 0, off, "Press"},
        {"label", form_->Handle(), "Grab Data From:", ROLE_SYSTEM_STATICTEXT, "Grab Data From:", "",
         STATE_SYSTEM_READONLY, 0, ""},
        {"link", form_->Handle(), "http://www.quillfen.example", ROLE_SYSTEM_LINK, "http://www.quillfen.example", "",
         STATE_SYSTEM_LINKED, 0, "Jump"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        const Accessible object = ObjectOf(row.hwnd);
        ASSERT_TRUE(object);
        const long id = row.childName.empty() ? CHILDID_SELF : ChildNamed(*object, row.childName);
        ASSERT_TRUE(row.childName.empty() || id > 0);
        const Read r = ReadOf(*object, id);
        EXPECT_EQ(r.role, row.role);
        EXPECT_EQ(r.name, row.name);
        EXPECT_EQ(r.value, row.value);
        EXPECT_EQ(r.state & row.stateOn, row.stateOn) << std::hex << r.state;
        EXPECT_EQ(r.state & row.stateOff, 0) << std::hex << r.state;
        EXPECT_EQ(r.action, row.action);
    }
}

TEST_F(AccessibleTest, SettingTheEditsValueChangesThePathOnceAndReadOnlyRefuses) {
    TEclBrowseEdit& edit = *form_->EclBrowseEdit1;
    int changes = 0;
    edit.SetOnChange([&](fw::Component&) { ++changes; });
    const Accessible object = ObjectOf(edit.Handle());
    ASSERT_TRUE(object);
    BSTR path = ::SysAllocString(L"C:\\Sites\\Central");
    EXPECT_EQ(object->put_accValue(Child(CHILDID_SELF), path), S_OK);
    EXPECT_EQ(edit.Path(), "C:\\Sites\\Central");
    EXPECT_EQ(changes, 1);
    edit.SetReadOnly(true);
    BSTR other = ::SysAllocString(L"D:\\");
    EXPECT_EQ(object->put_accValue(Child(CHILDID_SELF), other), E_ACCESSDENIED);
    EXPECT_EQ(edit.Path(), "C:\\Sites\\Central");
    EXPECT_EQ(changes, 1);
    ::SysFreeString(path);
    ::SysFreeString(other);
}

TEST_F(AccessibleTest, DefaultActionsClickOnceAsTheUsersClickAndNotWhenDisabled) {
    int clicks = 0;
    form_->EclButton1->SetOnClick([&](fw::Component&) { ++clicks; });
    const Accessible button = ObjectOf(form_->EclButton1->Handle());
    ASSERT_TRUE(button);
    EXPECT_EQ(button->accDoDefaultAction(Child(CHILDID_SELF)), S_OK);
    EXPECT_EQ(clicks, 0) << "the action waits for the message loop, so a modal box cannot block the reader";
    PumpFor(100ms);
    EXPECT_EQ(clicks, 1);
    form_->EclButton1->SetEnabled(false);
    EXPECT_EQ(button->accDoDefaultAction(Child(CHILDID_SELF)), E_FAIL);
    PumpFor(100ms);
    EXPECT_EQ(clicks, 1);

    const Accessible item = ObjectOf(form_->EclRadioGroup1->Item(1).Handle());
    ASSERT_TRUE(item);
    EXPECT_EQ(item->accDoDefaultAction(Child(CHILDID_SELF)), S_OK);
    PumpFor(100ms);
    EXPECT_EQ(form_->EclRadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(ReadOf(*item, CHILDID_SELF).state & STATE_SYSTEM_CHECKED, STATE_SYSTEM_CHECKED);

    const Accessible main = ObjectOf(form_->Handle());
    const long help = ChildNamed(*main, "Help");
    ASSERT_GT(help, 0);
    EXPECT_EQ(main->accDoDefaultAction(Child(help)), S_OK);
    PumpFor(100ms);
    ASSERT_EQ(dialogs_.shown.size(), 1u);
    EXPECT_NE(dialogs_.shown[0].find("555-0142"), std::string::npos);
}

// The win events a reader hears, as (event, window, child id).
std::vector<std::tuple<DWORD, HWND, LONG>> heard;

void CALLBACK Hear(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT) heard.emplace_back(event, hwnd, child);
}

TEST_F(AccessibleTest, ChangesRaiseTheirWinEvents) {
    const HWINEVENTHOOK hook = ::SetWinEventHook(EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &Hear,
                                                 ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    ASSERT_NE(hook, nullptr);
    heard.clear();
    form_->EclBrowseEdit1->SetPath("C:\\Sites");
    form_->EclRadioGroup1->Item(1).SetChecked(true);
    form_->HelpButton->SetCaption("Help!");
    form_->EclBrowseEdit2->SetReadOnly(true);
    PumpFor(100ms);
    ::UnhookWinEvent(hook);
    const HWND edit = form_->EclBrowseEdit1->Handle(), item = form_->EclRadioGroup1->Item(1).Handle();
    const Accessible main = ObjectOf(form_->Handle());
    const LONG help = ChildNamed(*main, "Help!");
    auto count = [](DWORD event, HWND hwnd, LONG child) {
        return std::count(heard.begin(), heard.end(), std::make_tuple(event, hwnd, child));
    };
    EXPECT_EQ(count(EVENT_OBJECT_VALUECHANGE, edit, CHILDID_SELF), 1);
    EXPECT_GE(count(EVENT_OBJECT_STATECHANGE, item, CHILDID_SELF), 1);
    EXPECT_EQ(count(EVENT_OBJECT_NAMECHANGE, form_->Handle(), help), 1);
    EXPECT_EQ(count(EVENT_OBJECT_STATECHANGE, form_->EclBrowseEdit2->Handle(), CHILDID_SELF), 1);
}

TEST_F(AccessibleTest, AnObjectHeldPastItsWindowFailsCleanly) {
    Accessible edit = ObjectOf(form_->EclBrowseEdit1->Handle());
    Accessible main = ObjectOf(form_->Handle());
    ASSERT_TRUE(edit && main);
    long count = 0;
    EXPECT_EQ(main->get_accChildCount(&count), S_OK);
    EXPECT_GT(count, 10);
    form_.reset();
    BSTR name = nullptr;
    EXPECT_EQ(edit->get_accName(Child(CHILDID_SELF), &name), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(name, nullptr);
    EXPECT_EQ(main->get_accChildCount(&count), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(main->accDoDefaultAction(Child(1)), CO_E_OBJNOTCONNECTED);
    EXPECT_EQ(edit.release()->Release(), 0u) << "the reader's reference was the last";
    EXPECT_EQ(main.release()->Release(), 0u);
}

}  // namespace
